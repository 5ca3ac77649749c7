#pragma once

#include "services/dialogs.h"

namespace tavolin::shared {

// The file types a sheet is saved as, in the save dialog's filter: CSV first, the Excel book
// second, then any file.
inline constexpr std::string_view kSheetFileTypes
        = "CSVﾌｧｲﾙ (.csv)|*.csv|Excelブック (*.xlsx)|*.xlsx|すべてのﾌｧｲﾙ (*.*)|*.*";

// Whether the file chosen is to be an Excel book: its name ends in .xlsx, or in neither .xlsx
// nor .csv and the Excel type was chosen. The ending wins, as other programs go by it.
bool savesExcelBook(const services::SaveChoice &choice);

} // namespace tavolin::shared
