#include "renamewindow/save_sheet.h"

#include "listing/csv_listing.h"
#include "listing/xlsx_listing.h"
#include "shared/sheet_choice.h"

namespace tavolin::renamewindow {

services::FsResult<void> saveSheet(services::TextFiles &files,
                                   const services::SaveChoice &choice,
                                   const listing::FileSheet &sheet)
{
    const auto bytes
            = shared::savesExcelBook(choice) ? listing::xlsxSheet(sheet) : listing::csvSheet(sheet);
    if (!bytes)
        return std::unexpected(bytes.error());
    return files.writeBytes(choice.path, *bytes);
}

} // namespace tavolin::renamewindow
