// Faults while the rename batch runs: the folder or a file changes under it.
#include "renamewindow/frm_file_name.h"

#include "services/posix_file_system.h"
#include "support/fake_file_system.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace tavolin::renamewindow {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class RenameFaultsTest : public ::testing::Test
{
protected:
    RenameFaultsTest()
    {
        dir_.makeFolder("photos");
        for (const char *name : {"1.jpg", "2.jpg", "3.jpg", "4.jpg"})
            dir_.writeFile(std::string("photos/") + name, name);
        window_.Form_Load();
        window_.Text1.setText(dir_.pathOf("photos") + "/");
        window_.cmdStart.click();
        for (int row = 0; row < 4; ++row)
            window_.List2[0].replace(row, "new_" + window_.List2[0].text(row));
    }

    // Runs `fault` when the batch reaches `row`.
    void onRow(int row, std::function<void()> fault)
    {
        window_.List1.clicked.connect([this, row, fault] {
            if (window_.List1.selectedRow() == row)
                fault();
        });
    }

    std::vector<std::string> photos() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(dir_.pathOf("photos")))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir_;
    services::PosixFileSystem fs_;
    test::FakeDrives drives_;
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmFileName window_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
};

TEST_F(RenameFaultsTest, TheFolderIsDeletedAfterTheScan)
{
    std::filesystem::remove_all(dir_.pathOf("photos"));
    window_.Command1.click();
    ASSERT_EQ(dialogs_.messages.size(), 4u);
    EXPECT_THAT(dialogs_.messages[2].text, HasSubstr("フォルダを開けませんでした。"));
    EXPECT_THAT(dialogs_.messages[3].text, HasSubstr("フォルダを読めませんでした。"));
    EXPECT_EQ(window_.List1.count(), 0);
    EXPECT_EQ(window_.window.pointer(), controls::MousePointer::Default);
    EXPECT_THAT(dir_.names(), IsEmpty()); // nothing was created anywhere
}

TEST_F(RenameFaultsTest, AFileIsDeletedHalfWay)
{
    const std::string third = window_.List1.text(2);
    onRow(2, [&] { std::filesystem::remove(dir_.pathOf("photos/" + third)); });
    window_.Command1.click();
    const std::string &report = dialogs_.messages.back().text;
    EXPECT_THAT(report,
                HasSubstr("「" + third + "」を「new_" + third + "」に変更できませんでした。"));
    EXPECT_THAT(report, HasSubstr("見つかりません"));
    EXPECT_THAT(report, HasSubstr("それまでに2個のファイルを変更しました。"));
    const auto left = photos();
    EXPECT_EQ(left.size(), 3u);
    EXPECT_EQ(std::count_if(left.begin(),
                            left.end(),
                            [](const std::string &n) { return n.starts_with("new_"); }),
              2);
}

TEST_F(RenameFaultsTest, AFileMadeReadOnlyHalfWayIsStillRenamedWhole)
{
    const std::string second = window_.List1.text(1);
    onRow(1, [&] { ::chmod(dir_.pathOf("photos/" + second).c_str(), 0444); });
    window_.Command1.click();
    EXPECT_EQ(dialogs_.messages.back().text, "4変更されました。");
    EXPECT_EQ(dir_.readFile("photos/new_" + second), second);
}

TEST_F(RenameFaultsTest, AReadOnlyFolderRefusesTheFirstRename)
{
    if (!dir_.makeFolderReadOnly("photos"))
        GTEST_SKIP() << "no way to make a folder read-only here";
    window_.Command1.click();
    const std::string &report = dialogs_.messages[2].text;
    EXPECT_THAT(report, HasSubstr("アクセスする権限がありません"));
    EXPECT_THAT(report, HasSubstr("変更したファイルはありません。"));
    EXPECT_THAT(photos(), ElementsAre("1.jpg", "2.jpg", "3.jpg", "4.jpg"));
}

// The same faults where the real system cannot stage them (root reads any folder).
class RenameFaultsOnFakeTest : public ::testing::Test
{
protected:
    RenameFaultsOnFakeTest()
    {
        for (const char *name : {"1.jpg", "2.jpg", "3.jpg"})
            fs_.addFile("D:\\photos", name);
        window_.Form_Load();
        window_.Text1.setText("D:\\photos\\");
        window_.cmdStart.click();
        for (int row = 0; row < 3; ++row)
            window_.List2[0].replace(row, "new" + window_.List2[0].text(row));
    }

    test::FakeFileSystem fs_;
    test::FakeDrives drives_;
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    FrmFileName window_{module_, {fs_, drives_, dialogs_, textFiles_, process_}};
};

TEST_F(RenameFaultsOnFakeTest, TheFolderBecomesUnreadableAfterTheScan)
{
    fs_.failFolder("D:\\photos", {services::FsErrorKind::NoPermission, "denied"});
    window_.Command1.click();
    EXPECT_THAT(dialogs_.messages[2].text, HasSubstr("フォルダを開けませんでした。"));
    EXPECT_THAT(dialogs_.messages[2].text, HasSubstr("アクセスする権限がありません"));
    EXPECT_THAT(fs_.log(), IsEmpty());
}

TEST_F(RenameFaultsOnFakeTest, TheFolderTurnsReadOnlyHalfWay)
{
    fs_.beforeRename = [this](std::string_view from) {
        if (from == "2.jpg")
            fs_.failFolder("D:\\photos", {services::FsErrorKind::NoPermission, "read-only"});
    };
    window_.Command1.click();
    EXPECT_THAT(dialogs_.messages[2].text,
                HasSubstr("「2.jpg」を「new2.jpg」に変更できませんでした。"));
    EXPECT_THAT(dialogs_.messages[2].text, HasSubstr("それまでに1個のファイルを変更しました。"));
    EXPECT_THAT(fs_.files("D:\\photos"), ElementsAre("new1.jpg", "2.jpg", "3.jpg"));
}

} // namespace
} // namespace tavolin::renamewindow
