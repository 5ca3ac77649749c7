// Planned names and folder fields that no careful user would type, on a real folder: each is
// refused or handled, nothing leaves the folder, and no file is lost.
#include "renamewindow/frm_file_name.h"

#include "services/posix_file_system.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"
#include "text/utf8.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace tavolin::renamewindow {
namespace {

using ::testing::AnyOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class BadInputTest : public ::testing::Test
{
protected:
    BadInputTest()
    {
        process_.programPath = dir_.path();
        window_.Form_Load();
    }

    // Scans a folder of these files, reads the planned names from a file of these bytes and
    // renames; returns the last message.
    std::string renameWithNames(const std::vector<std::string> &files, const std::string &bytes)
    {
        for (const auto &name : files)
            dir_.writeFile(name, name);
        window_.cmdStart.click();
        textFiles_.files["/names.txt"] = bytes;
        dialogs_.fileAnswers.push_back("/names.txt");
        window_.Command6.click();
        dialogs_.messages.clear();
        window_.Command1.click();
        return dialogs_.messages.empty() ? std::string() : dialogs_.messages.back().text;
    }

    test::TempDir dir_;
    test::TempDir outside_;
    services::PosixFileSystem fs_;
    test::FakeDrives drives_;
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmFileName window_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
};

TEST_F(BadInputTest, PathsInPlannedNamesNeverMoveAFile)
{
    for (const char *planned : {"../x", "a/b", "/tmp/x", ".."}) {
        const std::string report = renameWithNames({"f.txt"}, std::string(planned) + "\r\n");
        EXPECT_THAT(report, AnyOf(HasSubstr("名前として使えません"), HasSubstr("隠しファイル")))
                << planned;
        EXPECT_THAT(dir_.names(), ElementsAre("f.txt")) << planned;
    }
}

TEST_F(BadInputTest, AnEmptyLineWouldHideOrEmptyTheName)
{
    EXPECT_THAT(renameWithNames({"f.txt"}, "\r\n"), HasSubstr("隠しファイル"));
    std::filesystem::remove(dir_.pathOf("f.txt"));
    EXPECT_THAT(renameWithNames({"README"}, "\r\n"), HasSubstr("名前として使えません"));
    EXPECT_THAT(dir_.names(), ElementsAre("README"));
}

TEST_F(BadInputTest, TooLongAndNulBytes)
{
    EXPECT_THAT(renameWithNames({"f.txt"}, std::string(300, 'x') + "\r\n"),
                HasSubstr("名前として使えません"));
    EXPECT_THAT(renameWithNames({"f.txt"}, std::string("x\0y", 3) + "\r\n"),
                HasSubstr("名前として使えません"));
    EXPECT_THAT(dir_.names(), ElementsAre("f.txt"));
}

TEST_F(BadInputTest, InvalidShiftJisBytesBecomeReplacementCharacters)
{
    const std::string report = renameWithNames({"f.txt"}, "ok\x81\xFF\xA0name\r\n");
    EXPECT_EQ(report, "1変更されました。");
    ASSERT_EQ(dir_.names().size(), 1u);
    const std::string renamed = dir_.names()[0];
    EXPECT_TRUE(text::utf8::isValid(renamed));
    EXPECT_THAT(renamed, HasSubstr("\xEF\xBF\xBD"));
}

TEST_F(BadInputTest, Utf8WithAndWithoutAByteOrderMark)
{
    EXPECT_EQ(renameWithNames({"f.txt"}, "\xEF\xBB\xBF写真\r\n"), "1変更されました。");
    EXPECT_THAT(dir_.names(), ElementsAre("写真.txt"));
    EXPECT_EQ(renameWithNames({}, "旅行\n"), "1変更されました。");
    EXPECT_THAT(dir_.names(), ElementsAre("旅行.txt"));
}

TEST_F(BadInputTest, ABinaryFileLosesNoFile)
{
    const std::vector<std::string> files = {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"};
    std::mt19937 random(42);
    std::string bytes(200000, '\0');
    for (char &byte : bytes)
        byte = static_cast<char>(random());
    renameWithNames(files, bytes);
    const auto after = dir_.names();
    EXPECT_EQ(after.size(), files.size());
    std::vector<std::string> contents;
    for (const auto &name : after)
        contents.push_back(dir_.readFile(name));
    EXPECT_THAT(contents, ::testing::UnorderedElementsAreArray(files));
    EXPECT_THAT(outside_.names(), IsEmpty());
}

class FolderFieldTest : public BadInputTest
{
protected:
    std::string scanWith(const std::string &field)
    {
        window_.Text1.setText(field);
        dialogs_.messages.clear();
        window_.cmdStart.click();
        EXPECT_EQ(window_.window.pointer(), controls::MousePointer::Default) << field;
        return dialogs_.messages.empty() ? std::string() : dialogs_.messages.back().text;
    }
};

TEST_F(FolderFieldTest, WhatIsWrongIsSaid)
{
    dir_.writeFile("a.txt");
    dir_.makeFolder("sub");
    EXPECT_THAT(scanWith(dir_.pathOf("missing") + "/"), HasSubstr("見つかりません"));
    EXPECT_THAT(scanWith(dir_.pathOf("sub")), HasSubstr("最後に「/」を付けてください"));
    EXPECT_THAT(scanWith("*"), HasSubstr("フォルダのパスではありません"));
    EXPECT_THAT(scanWith("?"), HasSubstr("フォルダのパスではありません"));
    EXPECT_THAT(scanWith("sub/"), HasSubstr("フォルダのパスではありません"));
    EXPECT_EQ(window_.List1.count(), 0);
}

TEST_F(FolderFieldTest, PatternsListTheMatchingFiles)
{
    dir_.writeFile("a.txt");
    dir_.writeFile("b.jpg");
    EXPECT_EQ(scanWith(dir_.pathOf("*.TXT")), "");
    EXPECT_THAT(window_.List1.rows(), ElementsAre("a.txt"));
    EXPECT_EQ(scanWith(dir_.pathOf("*.xls")), ""); // nothing matches: no error
    EXPECT_EQ(window_.List1.count(), 0);
    EXPECT_EQ(window_.Label1.caption(), "ファイル数 = 0");

    // Renaming after a pattern scan renames in the folder, not in "folder/*.TXT".
    scanWith(dir_.pathOf("*.TXT"));
    window_.List2[0].replace(0, "renamed");
    window_.Command1.click();
    EXPECT_THAT(dir_.names(), ElementsAre("b.jpg", "renamed.txt"));
}

} // namespace
} // namespace tavolin::renamewindow
