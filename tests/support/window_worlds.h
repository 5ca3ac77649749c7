#pragma once

#include "mainwindow/frm_main.h"
#include "renamewindow/frm_file_name.h"
#include "support/fake_file_system.h"
#include "support/fake_journal_store.h"
#include "support/fake_progress.h"
#include "support/fake_services.h"
#include "support/model_script.h"

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
    services::Services doors{
            fs, drives, dialogs, textFiles, process, journals, progress, photoDates, clipboard, later};
};

// The rename window, opened.
struct RenameWorld : Fakes
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

    ModelControls controls() { return modelControls(model.controlTable()); }

    renamewindow::FrmFileName model{module, doors};
};

// The main window before its opening.
struct MainWorld : Fakes
{
    ModelControls controls() { return modelControls(model.controlTable()); }

    mainwindow::FrmMain model{module, doors};
};

} // namespace tavolin::test
