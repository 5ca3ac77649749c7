#include "shared/start_folder.h"

#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace tavolin::shared {
namespace {

TEST(StartFolder, TheProgramsFolderOnlyWhenItIsAFolderOfTheUsers)
{
    struct Case
    {
        paths::PathStyle style;
        const char *programFolder;
        bool writable;
        const char *expected;
    };
    const paths::PathStyle posix = paths::PathStyle::posix();
    const paths::PathStyle windows = paths::PathStyle::windows();
    const Case cases[] = {
            {windows, "D:\\Tools\\Lister", true, "D:\\Tools\\Lister"},
            {windows, "E:\\", true, "E:\\"},
            {windows, "D:\\Tools\\Lister", false, "C:\\Users\\me"},
            {windows, "C:\\Program Files\\Tavolin", true, "C:\\Users\\me"},
            {windows, "C:\\Windows", true, "C:\\Users\\me"},
            {windows, "C:\\Windowsill", true, "C:\\Windowsill"},
            {posix, "/usr/bin", true, "C:\\Users\\me"}, // root may write there
            {posix, "/usr/local/bin", true, "C:\\Users\\me"},
            {posix, "/opt/tavolin/bin", true, "C:\\Users\\me"},
            {posix, "/usr", true, "C:\\Users\\me"},
            {posix, "/usrdata/tools", true, "/usrdata/tools"},
            {posix, "/home/me/tools", true, "/home/me/tools"},
            {posix, "/home/me/tools", false, "C:\\Users\\me"},
            {posix, "/run/media/me/stick", true, "/run/media/me/stick"},
    };
    for (const Case &c : cases) {
        test::FakeProcess process;
        process.programPath = c.programFolder;
        if (!c.writable)
            process.readOnly.insert(c.programFolder);
        EXPECT_EQ(startFolder(process, c.style), c.expected) << c.programFolder;
    }
}

} // namespace
} // namespace tavolin::shared
