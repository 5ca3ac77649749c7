// Tavolin: builds the real platform services and the windows, and runs the event loop. No rule
// of the program lives here.
#include "app/instance_channel.h"
#include "app/program_icon.h"
#include "app/qt_translations.h"
#include "app/windows.h"
#include "controls/qt/background_threads.h"
#include "platform/exiv2_photo_dates.h"
#include "platform/posix_file_system.h"
#include "platform/posix_journal_store.h"
#include "platform/posix_text_files.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_drives.h"
#include "platform/qt/qt_later.h"
#include "platform/qt/qt_process.h"
#include "platform/qt/qt_progress.h"

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    // Help needs no display: it is answered before Qt connects to one.
    if (const auto asked
        = tavolin::shared::parseStartArguments(std::vector<std::string>(argv + 1, argv + argc));
        asked && asked->help) {
        std::fwrite(tavolin::shared::kHelp.data(), 1, tavolin::shared::kHelp.size(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    QApplication::setDesktopFileName(QStringLiteral("app.tavolin.Tavolin"));
    QApplication::setWindowIcon(tavolin::programIcon());
    // Without Qt's translations its buttons stay in English; the program works all the same.
    (void)tavolin::installQtTranslations();
    // The arguments Qt left, as the exact bytes of a folder's path.
    const auto request
            = tavolin::shared::parseStartArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!request) {
        std::fprintf(stderr, "%s\n", request.error().c_str());
        return 2;
    }

    tavolin::services::PosixFileSystem fs;
    tavolin::services::QtDrives drives;
    tavolin::services::QtDialogs dialogs;
    tavolin::services::PosixTextFiles textFiles;
    tavolin::services::QtProcessServices process;
    tavolin::services::PosixJournalStore journals;
    tavolin::services::QtProgress progress;
    tavolin::services::Exiv2PhotoDates photoDates;
    tavolin::services::QtClipboard clipboard;
    tavolin::services::QtLater later;

    if ((request->folder || request->rename) && process.anotherInstanceRunning()) {
        // The running copy opens it; a folder written from here is taken from here.
        tavolin::shared::StartRequest handed = *request;
        if (request->folder)
            handed.folder = tavolin::paths::absolutePath(
                    fs.pathStyle(), process.currentFolder(), *request->folder);
        if (tavolin::handOverToRunningCopy(handed))
            return 0;
    }

    // Before the windows, after the services its work reads.
    tavolin::controls::BackgroundThreads background;
    tavolin::Windows windows({fs,
                              drives,
                              dialogs,
                              textFiles,
                              process,
                              journals,
                              progress,
                              photoDates,
                              clipboard,
                              later},
                             &background);
    tavolin::InstanceServer handedOver(
            [&windows](const tavolin::shared::StartRequest &handed) { windows.open(handed); });
    if (!windows.start(*request))
        return 0;
    (void)handedOver.listen(); // without it, later starts say that a copy runs, as before
    return QApplication::exec();
}
