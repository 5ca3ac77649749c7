#include "shared/start_folder.h"

#include "support/fake_services.h"

#include <gtest/gtest.h>

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
        tavolin::test::FakeProcess process;
        process.programPath = programFolder;
        if (!writable)
            process.readOnly.insert(programFolder);
        const auto style = programFolder[0] == '/' ? tavolin::paths::PathStyle::posix()
                                                   : tavolin::paths::PathStyle::windows();
        EXPECT_EQ(tavolin::shared::startFolder(process, style),
                  startsThere ? programFolder : process.homePath);
    }
}
