// Saving through the main window's model onto a real disk.
#include "mainwindow/frm_main.h"

#include "services/posix_file_system.h"
#include "services/posix_text_files.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>

namespace tavolin::mainwindow {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class MainWindowSaveTest : public ::testing::Test
{
protected:
    MainWindowSaveTest()
    {
        process_.programPath = dir_.path();
        process_.currentPath = dir_.path();
        EXPECT_TRUE(window_.Form_Load());
    }

    void saveAs(const std::string &path)
    {
        dialogs_.fileAnswers.push_back(path);
        window_.Command1.click();
    }

    test::TempDir dir_;
    services::PosixFileSystem fs_;
    test::FakeDrives drives_{{"/"}};
    test::FakeDialogs dialogs_;
    services::PosixTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmMain window_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
};

TEST_F(MainWindowSaveTest, WritesCp932AndCrLfReplacingAnExistingFile)
{
    dir_.writeFile("Title.txt", "an older, longer listing that must go away completely");
    window_.txtM.setText("写真\r\nreport\r\n～");
    saveAs(dir_.pathOf("Title.txt"));
    EXPECT_EQ(dir_.readFile("Title.txt"), "\x8E\xCA\x90\x5E\r\nreport\r\n\x81\x60\r\n");
}

TEST_F(MainWindowSaveTest, ANameWithoutExtensionIsUsedAsTyped)
{
    window_.txtM.setText("a");
    saveAs(dir_.pathOf("report"));
    EXPECT_EQ(dir_.readFile("report"), "a\r\n");
}

TEST_F(MainWindowSaveTest, WhatCp932CannotHoldIsWrittenAsUtf8)
{
    const std::string shiftJisName = "\x83\x65\x83\x58\x83\x67.txt";
    window_.txtM.setText("😀\r\n" + shiftJisName);
    saveAs(dir_.pathOf("lossless.txt"));
    EXPECT_EQ(dir_.readFile("lossless.txt"), "\xEF\xBB\xBF😀\r\n" + shiftJisName + "\r\n");
}

// Every failed write says that the listing was not saved, where and why; the old file stays
// whole and the listing stays in the window.
TEST_F(MainWindowSaveTest, AFailedWriteSaysSoAndKeepsTheOldFileAndTheListing)
{
    struct Case
    {
        const char *what;
        std::function<bool()> stage; // false when this fault cannot be staged here
        const char *target;
        const char *reason;
    };
    const std::string old(20 * 1024, 'o');
    const Case cases[] = {
            {"a folder in the way",
             [&] { return dir_.makeFolder("folder"), true; },
             "folder",
             "同じ名前のファイルかフォルダがすでにあります"},
            {"a missing folder", [] { return true; }, "missing/list.txt", "見つかりません"},
            {"a read-only folder",
             [&] {
                 dir_.makeFolder("locked");
                 dir_.writeFile("locked/list.txt", old);
                 return dir_.makeFolderReadOnly("locked");
             },
             "locked/list.txt",
             "アクセスする権限がありません"},
            {"a full disk",
             [&] {
                 if (!dir_.mountSmallFileSystem("small", 64 * 1024))
                     return false;
                 dir_.writeFile("small/list.txt", old);
                 return true;
             },
             "small/list.txt",
             "ディスクがいっぱいです"},
    };
    std::string listing;
    for (int i = 0; i < 10000; ++i)
        listing += "a line of the new listing\r\n";
    window_.txtM.setText(listing);
    for (const Case &c : cases) {
        if (!c.stage()) {
            std::cout << "skipped: " << c.what << " cannot be staged here\n";
            continue;
        }
        dialogs_.messages.clear();
        saveAs(dir_.pathOf(c.target));
        EXPECT_THAT(dialogs_.messageTexts(),
                    ElementsAre("リストを保存できませんでした。\n" + dir_.pathOf(c.target) + "\n"
                                + c.reason))
                << c.what;
        if (dir_.exists(c.target) && std::string_view(c.target) != "folder") {
            EXPECT_EQ(dir_.readFile(c.target), old) << c.what;
        }
        EXPECT_EQ(window_.txtM.text(), listing) << c.what;
    }
    EXPECT_FALSE(dir_.exists("missing"));
}

TEST_F(MainWindowSaveTest, CancelWritesNothing)
{
    window_.txtM.setText("a");
    window_.Command1.click();
    EXPECT_EQ(dir_.names().size(), 0u);
    EXPECT_THAT(dialogs_.messages, IsEmpty());
}

} // namespace
} // namespace tavolin::mainwindow
