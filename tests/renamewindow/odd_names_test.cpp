// File names that stretch what a name may hold, through the whole round trip: listed in the
// main window, saved, read back in the rename window and renamed, on a real folder.
#include "support/window_worlds.h"
#include "text/utf8.h"

#include <gmock/gmock.h>

namespace tavolin {
namespace {

TEST(OddNames, EveryNameKeepsItsLineAndItsBytesThroughSaveAndReadBack)
{
    const std::string shiftJis = "\x83\x65\x83\x58\x83\x67.txt"; // "テスト.txt" from an old disk
    // Names joined by "|"; the accent combines with the e before it.
    const std::string joined = "plain.txt|" + shiftJis
                               + "|tab\there.txt|back\\slash.txt| lead.txt|"
                                 "trail .txt|😀 party.png|cafe\u0301.doc|Case.txt|case.txt|"
                               + std::string(251, 'n')
                               + ".txt|line\nbreak.txt|carriage\rreturn.txt|after.txt"
                                 "|right\u202Eleft.txt";
    std::vector<std::string> names(1);
    for (const char c : joined)
        c == '|' ? names.emplace_back() : (names.back() += c);
    // The real file system; the text files kept in memory as the bytes a real file would hold.
    test::RealDisk f;
    for (const auto &name : names)
        f.dir.writeFile(name, name);

    // Listed with every option off and saved; how the text is encoded is the text files' own
    // business, tested with them.
    mainwindow::FrmMain main(f.module, f.real);
    ASSERT_TRUE(main.Form_Load());
    main.cmdStart.click();
    f.dialogs.fileAnswers = {"/saved/listing.txt", "/saved/listing.txt"};
    main.Command1.click();

    // Read back: one line per file, in the same order, each the file's own name as listed.
    renamewindow::FrmFileName rename(f.module, f.real);
    rename.Form_Load();
    rename.cmdStart.click();
    rename.Command6.click();
    ASSERT_EQ(rename.List1.count(), std::ssize(names));
    for (int row = 0; row < rename.List1.count(); ++row)
        EXPECT_EQ(rename.List2[0].text(row) + rename.List2[1].text(row),
                  text::printableName(rename.List1.text(row)));

    // Renaming then changes only the names that held line breaks or turned their line around.
    rename.Command1.click();
    EXPECT_EQ(f.dialogs.messages.back().text, "3変更されました。");
    for (std::string &name : names)
        name = text::printableName(name);
    EXPECT_THAT(f.dir.names(), ::testing::UnorderedElementsAreArray(names));
    EXPECT_EQ(f.dir.readFile(shiftJis), shiftJis);
}

} // namespace
} // namespace tavolin
