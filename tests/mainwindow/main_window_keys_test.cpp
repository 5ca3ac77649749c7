// The real main window, driven with the keyboard and the mouse on the offscreen platform,
// against a bare model given the same user actions: Tab and Shift+Tab change nothing, and
// Enter presses the focused button and only that one.
#include "mainwindow/main_window_view.h"

#include "services/posix_file_system.h"
#include "services/qt/qt_drives.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"
#include "support/user_input.h"
#include "support/view_replay.h"
#include "text/qt/qt_strings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

namespace tavolin::mainwindow {
namespace {

using controls::Button;
using controls::CheckBox;
using test::child;

struct Folder
{
    Folder()
    {
        for (const char *name : {"写真.jpg", "report.txt", "readme"})
            dir.writeFile(name, name);
        dir.makeFolder("下書き");
    }

    test::TempDir dir;
    services::PosixFileSystem fs;
    services::QtDrives drives;
};

// One model with fakes of its own, over the one real folder.
struct World
{
    explicit World(Folder &folder)
        : model(module, {folder.fs, folder.drives, dialogs, textFiles, process})
    {
        process.programPath = folder.dir.path();
        process.currentPath = folder.dir.path();
        model.renameWindowRequested.connect([this] { ++renameRequests; });
        EXPECT_TRUE(model.Form_Load());
    }

    std::vector<std::pair<std::string, Button *>> buttons()
    {
        return {{"cmdStart", &model.cmdStart},
                {"Command2_0", &model.Command2[0]},
                {"Command2_1", &model.Command2[1]},
                {"cmdRename", &model.cmdRename},
                {"Command4", &model.Command4},
                {"Command1", &model.Command1},
                {"cmdEnd", &model.cmdEnd}};
    }

    std::vector<std::pair<std::string, CheckBox *>> checks()
    {
        return {{"Check1", &model.Check1},
                {"Check2", &model.Check2},
                {"Check3", &model.Check3},
                {"Check4", &model.Check4},
                {"Check5", &model.Check5},
                {"Check6", &model.Check6}};
    }

    // What the widgets are to show.
    std::string controls()
    {
        std::ostringstream out;
        out << "txtM " << model.txtM.text() << "\nText1 " << model.Text1.text() << "\nLabel1 "
            << model.Label1.caption() << "\nLabel2 " << model.Label2.caption() << '\n';
        for (auto &[name, check] : checks())
            out << name << ' ' << check->value() << (check->enabled() ? " on" : " off") << '\n';
        for (auto &[name, button] : buttons())
            out << name << (button->enabled() ? " on" : " off") << '\n';
        out << "File1 highlights 0\n"; // it shows files, it selects none
        return out.str();
    }

    // Everything a user's actions can change.
    std::string state()
    {
        std::ostringstream out;
        out << controls() << "folder " << model.Dir1.path() << "\nfiles "
            << model.File1.names().size() << "\nstrMainPath " << module.strMainPath
            << "\nrename requests " << renameRequests << "\nexits " << process.exits
            << "\nmessages " << dialogs.messages.size() << "\nsaved";
        for (const auto &[path, bytes] : textFiles.files)
            out << " |" << path << ':' << bytes.size();
        return out.str();
    }

    test::FakeDialogs dialogs;
    test::FakeTextFiles textFiles;
    test::FakeProcess process;
    Module1 module;
    FrmMain model;
    int renameRequests = 0;
};

std::string shown(QWidget *window)
{
    const auto text = [window](const char *name) {
        return text::fromQString(child<QLineEdit>(window, QString::fromLatin1(name))->text());
    };
    const auto caption = [window](const char *name) {
        return text::fromQString(child<QLabel>(window, QString::fromLatin1(name))->text());
    };
    QString listing = child<QPlainTextEdit>(window, QStringLiteral("txtM"))->toPlainText();
    listing.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    std::ostringstream out;
    out << "txtM " << text::fromQString(listing) << "\nText1 " << text("Text1") << "\nLabel1 "
        << caption("Label1") << "\nLabel2 " << caption("Label2") << '\n';
    for (const char *name : {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6"}) {
        auto *check = child<QCheckBox>(window, QString::fromLatin1(name));
        out << name << ' ' << (check->isChecked() ? 1 : 0) << (check->isEnabled() ? " on" : " off")
            << '\n';
    }
    for (const char *name :
         {"cmdStart", "Command2_0", "Command2_1", "cmdRename", "Command4", "Command1", "cmdEnd"}) {
        auto *button = child<QPushButton>(window, QString::fromLatin1(name));
        out << name << (button->isEnabled() ? " on" : " off") << '\n';
    }
    out << "File1 highlights "
        << child<QListView>(window, QStringLiteral("File1"))
                    ->selectionModel()
                    ->selectedIndexes()
                    .size()
        << '\n';
    return out.str();
}

using Step = test::UserStep<World>;

// Tab (or Shift+Tab) `times` times; a full round must pass through both lists.
Step tab(int times, bool backwards = false)
{
    return {(backwards ? "Shift+Tab x" : "Tab x") + std::to_string(times),
            [=](World &, QWidget *window) {
                if (!window)
                    return;
                const QStringList visited = test::pressTab(window, times, backwards);
                for (const char *list : {"Dir1", "File1", "Drive1", "txtM"})
                    EXPECT_TRUE(visited.contains(QString::fromLatin1(list))) << list;
            }};
}

// Enter with the focus on a button presses that button; the window has no default button.
Step enterOn(const char *name)
{
    return {std::string("Enter on ") + name, [=](World &w, QWidget *window) {
                if (window) {
                    test::pressEnterOn(window, QString::fromLatin1(name));
                    return;
                }
                for (auto &[candidate, button] : w.buttons())
                    if (candidate == name)
                        button->click();
            }};
}

Step tick(const char *name)
{
    return {std::string("tick ") + name, [=](World &w, QWidget *window) {
                if (window) {
                    test::clickButton(child<QCheckBox>(window, QString::fromLatin1(name)));
                    return;
                }
                for (auto &[candidate, check] : w.checks())
                    if (candidate == name)
                        check->setValue(1 - check->value());
            }};
}

// A click on a row of a list that only shows something: nothing for a model.
Step clickRowOf(const char *list, int row)
{
    return {std::string("click row ") + std::to_string(row) + " of " + list,
            [=](World &, QWidget *window) {
                if (window)
                    test::clickRow(child<QListView>(window, QString::fromLatin1(list)), row);
            }};
}

Step saveAs(const char *path)
{
    return {std::string("save as ") + path, [=](World &w, QWidget *window) {
                w.dialogs.fileAnswers.push_back(path);
                enterOn("Command1").act(w, window);
            }};
}

class MainWindowKeysTest : public ::testing::Test
{
protected:
    MainWindowKeysTest()
    {
        view_ = std::make_unique<MainWindowView>(viewed_.model);
        view_->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(view_.get()));
    }

    void replay(const std::vector<Step> &steps)
    {
        test::replay<World>(steps, viewed_, bare_, view_.get(), [this](const std::string &after) {
            test::expectSameLines(viewed_.state(), bare_.state(), "the models after " + after);
            test::expectSameLines(
                    shown(view_.get()), viewed_.controls(), "the view after " + after);
        });
    }

    Folder folder_;
    World viewed_{folder_};
    World bare_{folder_};
    std::unique_ptr<MainWindowView> view_;
};

TEST_F(MainWindowKeysTest, TabChangesNothingAndEnterPressesTheFocusedButton)
{
    replay({tab(30),
            tab(30, true),
            enterOn("Text1"),
            enterOn("Check2"),
            enterOn("cmdStart"),
            clickRowOf("File1", 1),
            tick("Check3"),
            enterOn("cmdStart"),
            tab(30),
            enterOn("Command2_0"),
            enterOn("Command2_1"),
            saveAs("/saved/names.txt"),
            enterOn("cmdRename"),
            enterOn("Command4"),
            tab(30, true),
            enterOn("cmdEnd")});
}

} // namespace
} // namespace tavolin::mainwindow
