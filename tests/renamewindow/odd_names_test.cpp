// File names that stretch what a name may hold, through the whole round trip: listed in the
// main window, saved, read back in the rename window and renamed, on a real folder.
#include "mainwindow/frm_main.h"
#include "renamewindow/frm_file_name.h"

#include "services/posix_file_system.h"
#include "support/fake_journal_store.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAreArray;

const std::string kShiftJis = "\x83\x65\x83\x58\x83\x67.txt"; // "テスト.txt" from an old disk

class OddNamesTest : public ::testing::Test
{
protected:
    OddNamesTest()
    {
        process_.programPath = dir_.path();
        process_.currentPath = dir_.path();
    }

    void create(const std::vector<std::string> &names)
    {
        for (const auto &name : names)
            dir_.writeFile(name, name);
    }

    // Lists the folder in the main window with every option off and saves the listing.
    std::string listAndSave(Module1 &module)
    {
        mainwindow::FrmMain main(module, doors_);
        EXPECT_TRUE(main.Form_Load());
        main.cmdStart.click();
        dialogs_.fileAnswers.push_back("/saved/listing.txt");
        main.Command1.click();
        return textFiles_.files["/saved/listing.txt"];
    }

    test::TempDir dir_;
    services::PosixFileSystem fs_;
    test::FakeDrives drives_{{"/"}};
    test::FakeDialogs dialogs_;
    test::FakeTextFiles textFiles_; // keeps the bytes a real file would hold
    test::FakeProcess process_;
    test::FakeJournalStore journals_;
    services::Services doors_{fs_, drives_, dialogs_, textFiles_, process_, journals_};
};

TEST_F(OddNamesTest, EveryNameKeepsItsLineAndItsBytesThroughSaveAndReadBack)
{
    const std::vector<std::string> names = {"plain.txt",
                                            kShiftJis,
                                            "tab\there.txt",
                                            "back\\slash.txt",
                                            " lead.txt",
                                            "trail .txt",
                                            "😀 party.png",
                                            "cafe\u0301.doc", // e + combining accent
                                            "Case.txt",
                                            "case.txt",
                                            std::string(251, 'n') + ".txt",
                                            "line\nbreak.txt",
                                            "carriage\rreturn.txt",
                                            "after.txt"};
    create(names);
    Module1 module;
    const std::string saved = listAndSave(module);
    // Names with characters code page 932 lacks are saved as UTF-8, whole.
    EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBF"));
    EXPECT_THAT(saved, HasSubstr("line\u240Abreak\r\n"));
    EXPECT_THAT(saved, HasSubstr("\r\n\x83\x65\x83\x58\x83\x67\r\n"));

    renamewindow::FrmFileName rename(module, doors_);
    rename.Form_Load();
    rename.cmdStart.click();
    ASSERT_EQ(rename.List1.count(), static_cast<int>(names.size()));
    dialogs_.fileAnswers.push_back("/saved/listing.txt");
    rename.Command6.click();

    // One line per file, in the same order: every planned name is the file's own base name,
    // but for the line breaks, which the listing shows as pictures.
    ASSERT_EQ(rename.List2[0].count(), rename.List1.count());
    for (int row = 0; row < rename.List1.count(); ++row) {
        const std::string current = rename.List1.text(row);
        const std::string planned = rename.List2[0].text(row) + rename.List2[1].text(row);
        if (current.find_first_of("\r\n") == std::string::npos)
            EXPECT_EQ(planned, current) << "row " << row;
        else
            EXPECT_THAT(planned,
                        ::testing::AnyOf("line\u240Abreak.txt", "carriage\u240Dreturn.txt"));
    }

    // Renaming then changes only the names that held line breaks.
    rename.Command1.click();
    EXPECT_EQ(dialogs_.messages.back().text, "2変更されました。");
    std::vector<std::string> expected = names;
    for (auto &name : expected) {
        if (name == "line\nbreak.txt")
            name = "line\u240Abreak.txt";
        if (name == "carriage\rreturn.txt")
            name = "carriage\u240Dreturn.txt";
    }
    EXPECT_THAT(dir_.names(), UnorderedElementsAreArray(expected));
    EXPECT_EQ(dir_.readFile(kShiftJis), kShiftJis);
}

} // namespace
} // namespace tavolin
