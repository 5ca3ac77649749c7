#pragma once

#include "mainwindow/frm_main.h"
#include "platform/posix_file_system.h"
#include "renamewindow/frm_file_name.h"
#include "support/fake_file_system.h"
#include "support/fake_journal_store.h"
#include "support/fake_progress.h"
#include "support/fake_services.h"
#include "support/model_script.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

// Each window's model over fakes of its own: an in-memory file system with Windows paths and
// drives C, D and E, dialogs that answer what a test queued, and the program in D:\Tools\Lister.
namespace tavolin::test {

struct Fakes
{
    FakeFileSystem fs;
    FakeDrives drives;
    FakeDialogs dialogs;
    FakeTextFiles textFiles;
    FakeProcess process;
    FakeJournalStore journals;
    FakeProgress progress;
    FakePhotoDates photoDates;
    FakeClipboard clipboard;
    FakeLater later;
    Module1 module;
    // The doors through these fakes, but for the file system, the drives, the progress and the
    // event loop given.
    services::Services doorsWith(services::FileSystem &disk,
                                 services::Drives &at,
                                 services::Progress &bar,
                                 services::Later &loop)
    {
        return {disk, at, dialogs, textFiles, process, journals, bar, photoDates, clipboard, loop};
    }
    services::Services doors = doorsWith(fs, drives, progress, later);
};

// The fakes, but the disk real: a temporary folder, where the program is and starts, reached
// from the root "/" through the real file system.
struct RealDisk : Fakes
{
    RealDisk() { process.programPath = process.homePath = process.currentPath = dir.path(); }

    const TempDir dir;
    services::PosixFileSystem posix;
    FakeDrives root{{"/"}};
    services::Services real = doorsWith(posix, root, progress, later);
};

// A window's model over the fakes, with user actions written as words (see model_script.h).
template<typename Model>
struct WindowWorld : Fakes
{
    ModelControls controls() { return modelControls(model.controlTable()); }
    void play(std::string_view script) { test::play(controls(), script); }
    void expectSteps(StepRows rows, const Look &look) { test::expectSteps(controls(), rows, look); }

    Model model{module, doors};
};

// The rename window, opened.
struct RenameWorld : WindowWorld<renamewindow::FrmFileName>
{
    RenameWorld() { model.Form_Load(); }

    // Puts these files into D:\f and scans that folder.
    void scan(const std::vector<std::string> &names)
    {
        for (const std::string &name : names)
            fs.addFile("D:\\f", name);
        model.Text1.setText("D:\\f\\");
        model.cmdStart.click();
    }
};

// The main window before its opening.
using MainWorld = WindowWorld<mainwindow::FrmMain>;

} // namespace tavolin::test
