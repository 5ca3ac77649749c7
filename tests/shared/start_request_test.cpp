// What a start's arguments ask for, and the folder they name, on real temporary folders.
#include "platform/posix_file_system.h"
#include "shared/start_request.h"
#include "support/fake_file_system.h"
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
