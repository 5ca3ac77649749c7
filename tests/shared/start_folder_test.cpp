#include "shared/start_folder.h"

#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace {

// The program's folder, whether the user may write there, and the folder both windows start in.
TEST(StartFolder, TheProgramsFolderOnlyWhenItIsAFolderOfTheUsers)
{
    const std::tuple<const char *, bool, const char *> cases[] = {
            {"D:\\Tools\\Lister", true, "D:\\Tools\\Lister"},
            {"E:\\", true, "E:\\"},
            {"D:\\Tools\\Lister", false, "home"},
            {"C:\\Program Files\\Tavolin", true, "home"},
            {"C:\\Windows", true, "home"},
            {"C:\\Windowsill", true, "C:\\Windowsill"},
            {"/usr/bin", true, "home"}, // root may write there
            {"/opt/tavolin/bin", true, "home"},
            {"/usr", true, "home"},
            {"/usrdata/tools", true, "/usrdata/tools"},
            {"/home/me/tools", true, "/home/me/tools"},
            {"/home/me/tools", false, "home"},
    };
    for (const auto &[programFolder, writable, expected] : cases) {
        tavolin::test::FakeProcess process;
        process.programPath = programFolder;
        process.homePath = "home";
        if (!writable)
            process.readOnly.insert(programFolder);
        const auto style = programFolder[0] == '/' ? tavolin::paths::PathStyle::posix()
                                                   : tavolin::paths::PathStyle::windows();
        EXPECT_EQ(tavolin::shared::startFolder(process, style), expected) << programFolder;
    }
}

} // namespace
