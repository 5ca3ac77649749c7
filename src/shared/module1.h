#pragma once

#include "shared/file_order_choice.h"

#include <cstdint>
#include <string>

namespace tavolin {

// Which window the folder chooser delivers to: the rename window while the user last worked in
// it, else the main window.
enum class ChooserServes { MainWindow, RenameWindow };

// State that the windows share for the whole run. The program owns the one instance and hands
// it to each window's model.

struct Module1
{
    std::string strMainPath; // folder of the main window: set by each listing scan and the chooser
    std::string
            strRenamePath; // folder of the rename window: set by each rename scan and the chooser
    ChooserServes flgFileName = ChooserServes::MainWindow;
    std::int64_t lngNumBase = 0; // numbering base of the running listing scan
    int intNameRow = 0;          // row last selected in the planned base names
    int intExtRow = 0;           // row last selected in the extension pairs
    // The order every enumeration lists files in, so a listing saved from the main window and
    // read back into the rename window maps line i to file i.
    shared::RunFileOrder fileOrder;
};

} // namespace tavolin
