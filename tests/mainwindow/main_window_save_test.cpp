// Saving through the main window's model onto a real disk.
#include "mainwindow/frm_main.h"

#include "platform/posix_file_system.h"
#include "platform/qt/qt_text_files.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::mainwindow {
namespace {

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
    platform::PosixFileSystem fs_;
    test::FakeDrives drives_{{"/"}};
    test::FakeDialogs dialogs_;
    platform::QtTextFiles textFiles_;
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

TEST_F(MainWindowSaveTest, UnwritablePathsLeaveTheOldFileAndTheListing)
{
    dir_.makeFolder("folder");
    dir_.writeFile("keep.txt", "old");
    window_.txtM.setText("new");
    saveAs(dir_.pathOf("folder"));           // a folder
    saveAs(dir_.pathOf("missing/list.txt")); // a folder that does not exist
    EXPECT_EQ(dir_.readFile("keep.txt"), "old");
    EXPECT_EQ(window_.txtM.text(), "new");
    EXPECT_THAT(dialogs_.messages, IsEmpty());
    EXPECT_FALSE(dir_.exists("missing"));
}

TEST_F(MainWindowSaveTest, AReadOnlyFolderKeepsItsOldFile)
{
    dir_.makeFolder("locked");
    dir_.writeFile("locked/list.txt", "old listing");
    if (!dir_.makeFolderReadOnly("locked"))
        GTEST_SKIP() << "no way to make a folder read-only here";
    window_.txtM.setText("new listing");
    saveAs(dir_.pathOf("locked/list.txt"));
    EXPECT_EQ(dir_.readFile("locked/list.txt"), "old listing");
    EXPECT_EQ(window_.txtM.text(), "new listing");
    EXPECT_THAT(dialogs_.messages, IsEmpty());
}

TEST_F(MainWindowSaveTest, AFullDiskKeepsTheOldFileWhole)
{
    if (!dir_.mountSmallFileSystem("small", 64 * 1024))
        GTEST_SKIP() << "no way to mount a small file system here";
    const std::string old(20 * 1024, 'o');
    dir_.writeFile("small/list.txt", old);
    std::string listing;
    for (int i = 0; i < 10000; ++i)
        listing += "a line of the new listing\r\n";
    window_.txtM.setText(listing);
    saveAs(dir_.pathOf("small/list.txt"));
    EXPECT_EQ(dir_.readFile("small/list.txt"), old);
    EXPECT_EQ(window_.txtM.text(), listing);
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
