// Names typed for a new folder, on a real disk: exactly one folder or none, and a reason.
#include "folderchooser/frm_dialog.h"

#include "services/posix_file_system.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

namespace tavolin::folderchooser {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class NewFolderNamesTest : public ::testing::Test
{
protected:
    NewFolderNamesTest()
    {
        dir_.makeFolder("here");
        dir_.makeFolder("here/taken");
        process_.currentPath = dir_.pathOf("here");
        chooser_.emplace(module_,
                         services::Services{fs_, drives_, dialogs_, textFiles_, process_},
                         FolderTargets{});
        chooser_->Form_Load();
    }

    std::string create(const std::string &name)
    {
        dialogs_.messages.clear();
        dialogs_.textAnswers.push_back(name);
        chooser_->cmdNewF.click();
        return dialogs_.messages.empty() ? std::string() : dialogs_.messages.back().text;
    }

    test::TempDir dir_;
    services::PosixFileSystem fs_;
    test::FakeDrives drives_{{"/"}};
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_;
    test::FakeProcess process_;
    Module1 module_;
    std::optional<FrmDialog> chooser_;
};

TEST_F(NewFolderNamesTest, NamesThatCannotBeAFolderAreRefusedWithTheReason)
{
    EXPECT_EQ(create(""), "新規フォルダ名を入力してないため、キャンセルします");
    EXPECT_THAT(create("."), HasSubstr("名前として使えません"));
    EXPECT_THAT(create(".."), HasSubstr("名前として使えません"));
    EXPECT_THAT(create("a/b"), HasSubstr("名前として使えません"));
    EXPECT_THAT(create("taken"), HasSubstr("すでにあります"));
    EXPECT_THAT(create(std::string(300, 'x')), HasSubstr("名前として使えません"));
    EXPECT_THAT(create(".hidden"), HasSubstr("隠しファイル"));
    EXPECT_THAT(dir_.names(), ElementsAre("here"));
    EXPECT_EQ(chooser_->Dir1.path(), dir_.pathOf("here"));

    // The chooser stays usable.
    EXPECT_EQ(create("新しいフォルダ"), "");
    EXPECT_EQ(chooser_->Dir1.path(), dir_.pathOf("here/新しいフォルダ"));
    EXPECT_EQ(chooser_->Label1.caption(), dir_.pathOf("here/新しいフォルダ") + "/");
}

} // namespace
} // namespace tavolin::folderchooser
