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
    Module1 module;
    services::Services doors{
            fs, drives, dialogs, textFiles, process, journals, progress, photoDates, clipboard};
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

    ModelControls controls()
    {
        ModelControls c;
        auto &m = model;
        c.lists = {{"List1", &m.List1}, {"List2_0", &m.List2[0]}, {"List2_1", &m.List2[1]}};
        c.lists.insert({{"List3_0", &m.List3[0]}, {"List3_1", &m.List3[1]}});
        c.texts = {{"Text1", &m.Text1}, {"Text3", &m.Text3}, {"Text4", &m.Text4}};
        c.checks = {{"Check1", &m.Check1}};
        c.labels = {{"Label1", &m.Label1}};
        c.buttons = {{"cmdDialog", &m.cmdDialog}, {"Command2", &m.Command2}};
        c.buttons.insert({{"cmdStart", &m.cmdStart}, {"Command6", &m.Command6}});
        c.buttons.insert(
                {{"Command1", &m.Command1}, {"Command3", &m.Command3}, {"cmdUndo", &m.cmdUndo}});
        c.buttons.insert({{"cmdEnd", &m.cmdEnd}, {"Command5", &m.Command5}});
        c.buttons.insert({{"Command4", &m.Command4}, {"cmdRules", &m.cmdRules}});
        c.combos = {{"cboOrder", &m.cboOrder}};
        return c;
    }

    renamewindow::FrmFileName model{module, doors};
};

// The main window before its opening.
struct MainWorld : Fakes
{
    ModelControls controls()
    {
        ModelControls c;
        auto &m = model;
        c.texts = {{"Text1", &m.Text1}, {"txtM", &m.txtM}};
        c.labels = {{"Label1", &m.Label1}, {"Label2", &m.Label2}};
        c.checks = {{"Check1", &m.Check1}, {"Check2", &m.Check2}, {"Check3", &m.Check3}};
        c.checks.insert({{"Check4", &m.Check4}, {"Check5", &m.Check5}, {"Check6", &m.Check6}});
        c.buttons = {{"cmdStart", &m.cmdStart}, {"Command2_0", &m.Command2[0]}};
        c.buttons.insert({{"Command2_1", &m.Command2[1]}, {"cmdRename", &m.cmdRename}});
        c.buttons.insert({{"Command4", &m.Command4}, {"Command1", &m.Command1}});
        c.buttons.insert({{"cmdEnd", &m.cmdEnd}, {"cmdExport", &m.cmdExport}});
        c.buttons.insert({"cmdCopy", &m.cmdCopy});
        c.combos = {{"cboOrder", &m.cboOrder}};
        return c;
    }

    mainwindow::FrmMain model{module, doors};
};

} // namespace tavolin::test
