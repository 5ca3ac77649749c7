// Tavolin: builds the real platform services and the windows, and runs the event loop. No rule
// of the program lives here.
#include "app/program_icon.h"
#include "app/qt_translations.h"
#include "app/windows.h"
#include "services/exiv2_photo_dates.h"
#include "services/posix_file_system.h"
#include "services/posix_journal_store.h"
#include "services/posix_text_files.h"
#include "services/qt/qt_dialogs.h"
#include "services/qt/qt_drives.h"
#include "services/qt/qt_process.h"
#include "services/qt/qt_progress.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    QApplication::setDesktopFileName(QStringLiteral("app.tavolin.Tavolin"));
    QApplication::setWindowIcon(tavolin::programIcon());
    // Without Qt's translations its buttons stay in English; the program works all the same.
    (void)tavolin::installQtTranslations();

    tavolin::services::PosixFileSystem fs;
    tavolin::services::QtDrives drives;
    tavolin::services::QtDialogs dialogs;
    tavolin::services::PosixTextFiles textFiles;
    tavolin::services::QtProcessServices process;
    tavolin::services::PosixJournalStore journals;
    tavolin::services::QtProgress progress;
    tavolin::services::Exiv2PhotoDates photoDates;

    tavolin::Windows windows(
            {fs, drives, dialogs, textFiles, process, journals, progress, photoDates});
    if (!windows.start())
        return 0;
    return QApplication::exec();
}
