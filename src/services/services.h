#pragma once

#include "services/clipboard.h"
#include "services/dialogs.h"
#include "services/drives.h"
#include "services/file_system.h"
#include "services/journal_store.h"
#include "services/later.h"
#include "services/photo_dates.h"
#include "services/process.h"
#include "services/progress.h"
#include "services/text_files.h"

namespace tavolin::services {

// The doors to the world that the windows go through. The program makes the real ones once;
// tests hand in fakes.
struct Services
{
    FileSystem &fs;
    Drives &drives;
    Dialogs &dialogs;
    TextFiles &textFiles;
    ProcessServices &process;
    JournalStore &journals;
    Progress &progress;
    PhotoDates &photoDates;
    Clipboard &clipboard;
    Later &later;
};

} // namespace tavolin::services
