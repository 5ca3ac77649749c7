// What a start's arguments ask for, the folder they name (on real temporary folders), and the
// folder the windows start in without one.
#include "platform/posix_file_system.h"
#include "shared/start_folder.h"
#include "shared/start_request.h"
#include "support/fake_file_system.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tavolin::shared {
namespace {

TEST(StartArguments, NoneAFolderTheRenameWindowOrRenameInAFolderOrHelpAndNothingElse)
{
    using Args = std::vector<std::string>;
    const std::string usage(kUsage);
    const StartRequest help{std::nullopt, false, true};
    const struct
    {
        Args args;
        std::expected<StartRequest, std::string> read;
    } cases[] = {
            {{}, StartRequest{}},
            {{"写真"}, StartRequest{"写真", false}},
            {{"--rename", "/media/card/DCIM"}, StartRequest{"/media/card/DCIM", true}},
            {{"/media/card", "--rename"}, StartRequest{"/media/card", true}},
            {{"--", "-odd name"}, StartRequest{"-odd name", false}},
            {{"--rename"}, StartRequest{std::nullopt, true}},
            {{"--help"}, help},
            {{"--rename", "a", "--help"}, help},
            {{"-platform", "xcb", "--help"}, help}, // before Qt read them
            {{"--", "--help"}, StartRequest{"--help", false}},
            {{"a", "b"}, std::unexpected(usage)},
            {{"--list", "a"}, std::unexpected(usage)},
            {{""}, std::unexpected(usage)},
    };
    for (const auto &[args, read] : cases)
        EXPECT_EQ(parseStartArguments(args), read) << ::testing::PrintToString(args);
}

// The program's folder, whether the user may write there, and whether the windows start there
// (else in the home folder). The windows' tests show an ordinary folder, a drive and Program Files.
TEST(StartFolder, TheProgramsFolderOnlyWhenItIsAFolderOfTheUsers)
{
    const std::tuple<const char *, bool, bool> cases[] = {
            {"D:\\Tools\\Lister", false, false},
            {"C:\\Windows", true, false},
            {"C:\\Windowsill", true, true},
            {"/usr/bin", true, false}, // root may write there
            {"/opt/tavolin/bin", true, false},
            {"/usr", true, false},
            {"/usrdata/tools", true, true},
    };
    for (const auto &[programFolder, writable, startsThere] : cases) {
        test::FakeProcess process;
        process.programPath = programFolder;
        if (!writable)
            process.readOnly.insert(programFolder);
        const auto style
                = programFolder[0] == '/' ? paths::PathStyle::posix() : paths::PathStyle::windows();
        EXPECT_EQ(startFolder(process, style), startsThere ? programFolder : process.homePath);
    }
}

TEST(StartFolder, AFolderFromTheRootOrFromHereAFileForItsFolderOrWhyNot)
{
    const test::TempDir dir;
    dir.makeFolder("写真");
    dir.writeFile("写真/a.jpg");
    services::PosixFileSystem fs;
    const std::string photos = dir.pathOf("写真");
    EXPECT_EQ(resolveFolder(fs, "/", photos), photos);
    EXPECT_EQ(resolveFolder(fs, "/", photos + "/"), photos);
    EXPECT_EQ(resolveFolder(fs, dir.path(), "写真"), photos);
    EXPECT_EQ(resolveFolder(fs, photos, "./../写真/a.jpg"), photos) << "a file: its folder";

    const auto missing = resolveFolder(fs, dir.path(), "gone");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(),
              "フォルダを読めませんでした。\n" + dir.pathOf("gone") + "\n見つかりません");
    test::FakeFileSystem fake;
    fake.failFolder("D:\\secret", {services::FsErrorKind::NoPermission, "denied"});
    const auto refused = resolveFolder(fake, "C:\\", "D:\\secret");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
              "フォルダを読めませんでした。\nD:\\secret\nアクセスする権限がありません");
}

} // namespace
} // namespace tavolin::shared
