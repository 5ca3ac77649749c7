// Tavolin: builds the real platform services and the windows, and runs the event loop. No rule
// of the program lives here.
#include "app/program_icon.h"
#include "app/windows.h"
#include "platform/posix_file_system.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_drives.h"
#include "platform/qt/qt_process.h"
#include "platform/posix_text_files.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    QApplication::setDesktopFileName(QStringLiteral("app.tavolin.Tavolin"));
    QApplication::setWindowIcon(tavolin::programIcon());

    tavolin::platform::PosixFileSystem fs;
    tavolin::platform::QtDrives drives;
    tavolin::platform::QtDialogs dialogs;
    tavolin::platform::PosixTextFiles textFiles;
    tavolin::platform::QtProcessServices process;

    tavolin::Windows windows({fs, drives, dialogs, textFiles, process});
    if (!windows.start())
        return 0;
    return QApplication::exec();
}
