// Tavolin: builds the real platform services, the shared state and the main window, and runs
// the event loop. No rule of the program lives here.
#include "app/module1.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/main_window_view.h"
#include "platform/posix_file_system.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_drives.h"
#include "platform/qt/qt_process.h"
#include "platform/qt/qt_text_files.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));

    tavolin::platform::PosixFileSystem fs;
    tavolin::platform::QtDrives drives;
    tavolin::platform::QtDialogs dialogs;
    tavolin::platform::QtTextFiles textFiles;
    tavolin::platform::QtProcessServices process;
    tavolin::Module1 module;

    tavolin::mainwindow::FrmMain frmMain(module, {fs, drives, dialogs, textFiles, process});
    if (!frmMain.Form_Load())
        return 0;
    tavolin::mainwindow::MainWindowView view(frmMain);
    view.show();
    return QApplication::exec();
}
