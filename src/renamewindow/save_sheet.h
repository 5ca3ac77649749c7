#pragma once

#include "listing/file_sheet.h"
#include "services/dialogs.h"
#include "services/text_files.h"

namespace tavolin::renamewindow {

// Writes `sheet` where the save dialog's `choice` says, as an Excel book or as CSV as the choice
// asks (see shared::savesExcelBook), through the safe save: a file that was there stays whole
// should anything fail.
services::FsResult<void> saveSheet(services::TextFiles &files,
                                   const services::SaveChoice &choice,
                                   const listing::FileSheet &sheet);

} // namespace tavolin::renamewindow
