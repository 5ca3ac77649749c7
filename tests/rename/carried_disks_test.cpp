#include "rename/apply_renames.h"
#include "rename/batch_history.h"
#include "rename/batch_recovery.h"
#include "support/planned_rows.h"
#include "support/row_observer.h"

#include "platform/posix_file_system.h"
#include "platform/posix_journal_store.h"
#include "platform/posix_text_files.h"
#include "support/carried_disk.h"
#include "support/child_process.h"
#include "support/words.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

// Renames on real disk images of the kinds people carry, mounted through FUSE as a desktop
// without the kernel's drivers mounts them. Each test mounts a fresh image and checks the disk.
// A file on these disks is known by its size and time, so each file here has a length of its
// own.
namespace tavolin::rename {
namespace {

using services::FsErrorKind;
using test::DiskKind;
using Names = std::vector<std::string>;
using test::refusal;
using test::words;

class CarriedDiskTest : public testing::TestWithParam<DiskKind>
{
protected:
    void SetUp() override
    {
        std::string whyNot;
        disk = test::CarriedDisk::mount(GetParam(), whyNot);
        if (!disk)
            GTEST_SKIP() << whyNot;
    }

    // Files `names`, each holding its name and as many "#" as its place.
    void write(std::string_view names)
    {
        const Names files = words(names);
        for (std::size_t at = 0; at < files.size(); ++at)
            disk->writeFile(files[at], files[at] + std::string(at + 1, '#'));
    }
    // The disk's files as name:the name it was written under.
    std::string contents() const
    {
        std::string seen;
        for (const std::string &name : disk->names()) {
            const std::string content = disk->readFile(name);
            seen += name + ":" + content.substr(0, content.find('#')) + " ";
        }
        return seen;
    }
    RenameOutcome rename(std::string_view listed, std::string_view planned, BatchObserver &watch)
    {
        const auto rows = test::renamesTo(words(listed), words(planned));
        return ApplyRenames(fs, disk->path(), rows, {&journals}, watch);
    }

    std::unique_ptr<test::CarriedDisk> disk;
    services::PosixFileSystem fs;
    test::TempDir state;
    services::PosixJournalStore journals{state.path()};
};

// Every printable character and a few beyond ASCII, each in a name: the plan refuses it, or the
// disk holds the file under exactly that name afterwards. Japanese names are refused only where
// the driver cannot store them (fusefat, which loses a file it is asked to rename so).
TEST_P(CarriedDiskTest, ANameIsRefusedBeforeTheRenameOrTheDiskKeepsTheFileUnderIt)
{
    Names names{"旅行1.jpg", "é", "ｶﾒﾗ", "😀", "\x7f"};
    for (char c = 0x20; c < 0x7F; ++c)
        names.push_back(std::string("a") + c + "b");
    int refused = 0;
    for (const std::string &name : names) {
        write("p.jpg");
        const auto outcome = ApplyRenames(fs, disk->path(), test::renamesTo({"p.jpg"}, {name}), {});
        const bool refusedHere = !outcome.problems.empty();
        refused += refusedHere;
        EXPECT_EQ(std::to_string(outcome.renamed) + " " + contents(),
                  refusedHere ? "0 p.jpg:p.jpg " : "1 " + name + ":p.jpg ")
                << name;
        // A FUSE driver keeps a file it is told to remove while a close of it is still on the
        // way as a hidden one, and removes that once the close comes.
        for (const std::string &left : disk->names())
            std::filesystem::remove(disk->pathOf(left));
        for (int tries = 0; tries < 100 && !disk->names().empty(); ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const int refusedOnEveryFat = 10; // / \ : * ? " < > | and DEL
    const int beyondAscii = 4;
    EXPECT_EQ(refused,
              GetParam() == DiskKind::Fat    ? refusedOnEveryFat + beyondAscii
              : GetParam() == DiskKind::Ntfs ? 2
                                             : refusedOnEveryFat);
}

// A folder with no room left for a name: fusefat loses a file whose rename fails so, and the
// rename is refused first there.
TEST(CarriedFatDisk, AFolderWithNoRoomRefusesTheRenameAndKeepsTheFile)
{
    std::string whyNot;
    const auto disk = test::CarriedDisk::mount(DiskKind::Fat, whyNot, true);
    if (!disk)
        GTEST_SKIP() << whyNot;
    for (int file = 0; std::ofstream(disk->pathOf("f" + std::to_string(file))); ++file) {
    }
    const std::string kept = disk->names().back();
    services::PosixFileSystem fs;
    const auto outcome = ApplyRenames(
            fs, disk->path(), test::renamesTo({kept}, {std::string(40, 'n') + ".jpg"}), {});
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->error.kind, FsErrorKind::NoSpace);
    EXPECT_TRUE(std::filesystem::exists(disk->pathOf(kept)));
}

// A card pulled out during a batch: the batch stops at the refused rename, saying the disk went;
// once the card is back in, the part done is taken back.
TEST_P(CarriedDiskTest, ACardPulledOutDuringABatchStopsItAndItIsTakenBackOnceTheCardIsIn)
{
    write("p1.jpg p2.jpg p3.jpg");
    const std::string original = contents();
    int steps = 0;
    test::RowObserver pulling([&](int) {
        if (steps++ == 2)
            disk->pullOut();
    });
    const auto outcome = rename("p1.jpg p2.jpg p3.jpg", "q1.jpg q2.jpg q3.jpg", pulling);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->error.kind, FsErrorKind::Disconnected);
    EXPECT_EQ(outcome.renamed, 2);
    ASSERT_TRUE(disk->plugIn());
    const auto batch = lastUndoableBatch(journals, disk->path());
    ASSERT_TRUE(batch);
    const auto undone = settleBatch(fs, journals, *batch, Toward::OldNames, Unmovable::StopAll);
    ASSERT_EQ(undone.end, services::WorkEnd::Done);
    EXPECT_EQ(contents(), original);
}

// A batch of a cycle and a change of case on files an hour old, killed before each of its steps,
// is finished or taken back whole at the next start, after the card was taken out and put in
// again; a finished one is undone. Every disk knows its files across renames and mounts.
TEST_P(CarriedDiskTest, ABatchKilledAnywhereIsFinishedOrTakenBackAndUndone)
{
    write("a.txt b.txt c.txt D.txt");
    for (const std::string &name : disk->names())
        disk->makeOlder(name, std::chrono::hours(1));
    const std::string original = contents();
    constexpr int kSteps = 6; // the cycle's four and the change of case's two on a case-blind disk
    for (int killAt = 0; killAt < kSteps; ++killAt) {
        SCOPED_TRACE(killAt);
        // In a child process killed (SIGKILL: nothing is tidied up, as after a crash or a power
        // cut) before its step `killAt`, counting every rename, to a temporary name too.
        const int status = test::childStatus([&] {
            int steps = 0;
            test::RowObserver killing([&](int) {
                if (steps++ == killAt)
                    ::raise(SIGKILL);
            });
            (void)rename("a.txt b.txt c.txt D.txt", "b.txt c.txt a.txt d.txt", killing);
            return 0;
        });
        if (!WIFSIGNALED(status)) { // the batch ended: a disk that heeds case has fewer steps
            ASSERT_FALSE(disk->ignoresCase());
            break;
        }
        ASSERT_TRUE(disk->remount());
        const std::string cutOff = journals.list().back().id;
        const auto toward = killAt % 2 ? Toward::OldNames : Toward::NewNames;
        const auto settled = settleBatch(fs, journals, cutOff, toward, Unmovable::AskAgain);
        ASSERT_EQ(settled.end, services::WorkEnd::Done);
        if (toward == Toward::NewNames) {
            EXPECT_EQ(contents(), "a.txt:c.txt b.txt:a.txt c.txt:b.txt d.txt:D.txt ");
            ASSERT_EQ(lastUndoableBatch(journals, disk->path()), cutOff);
            ASSERT_EQ(settleBatch(fs, journals, cutOff, Toward::OldNames, Unmovable::StopAll).end,
                      services::WorkEnd::Done);
        }
        EXPECT_EQ(contents(), original);
    }
}

// A listing is saved (over one too) and a folder made on the disk; a name it cannot hold is
// said to be one (Japanese names too, where the driver stores ASCII only). On a disk mounted
// read-only each of these and a rename say so.
TEST_P(CarriedDiskTest, SavesAndMakesFoldersOrSaysWhyNot)
{
    services::PosixTextFiles texts;
    const bool fat = GetParam() != DiskKind::Ntfs;
    const auto notOnFat = fat ? std::optional(FsErrorKind::NotOnThisDisk) : std::nullopt;
    const auto asciiOnly = GetParam() == DiskKind::Fat ? std::optional(FsErrorKind::NotOnThisDisk)
                                                       : std::nullopt;
    const paths::FolderPath top{fs.pathStyle(), disk->path()};
    EXPECT_TRUE(texts.writeBytes(disk->pathOf("list.txt"), "x"));
    EXPECT_TRUE(texts.writeBytes(disk->pathOf("list.txt"), "xy")) << "saved over";
    EXPECT_TRUE(fs.createFolder(top, "new"));
    EXPECT_EQ(refusal(texts.writeBytes(disk->pathOf("a?.txt"), "x")), notOnFat);
    EXPECT_EQ(refusal(fs.createFolder(top, "b?")), notOnFat);
    EXPECT_EQ(refusal(texts.writeBytes(disk->pathOf("一覧.txt"), "x")), asciiOnly);
    EXPECT_EQ(refusal(fs.createFolder(top, "写真")), asciiOnly);
    const std::string made = GetParam() == DiskKind::Fat ? "list.txt new"
                             : GetParam() == DiskKind::Ntfs ? "a?.txt b? list.txt new 一覧.txt 写真"
                                                            : "list.txt new 一覧.txt 写真";
    EXPECT_EQ(disk->names(), words(made));
    EXPECT_EQ(disk->readFile("list.txt"), "xy");

    ASSERT_TRUE(disk->remount(true));
    const auto renamed = ApplyRenames(fs, disk->path(), test::renamesTo({"list.txt"}, {"y"}));
    EXPECT_TRUE(renamed.failure && renamed.failure->error.kind == FsErrorKind::ReadOnly);
    EXPECT_EQ(refusal(texts.writeBytes(disk->pathOf("list.txt"), "z")), FsErrorKind::ReadOnly);
    EXPECT_EQ(refusal(fs.createFolder(top, "newer")), FsErrorKind::ReadOnly);
    EXPECT_EQ(disk->names(), words(made));
    EXPECT_EQ(disk->readFile("list.txt"), "xy");
}

INSTANTIATE_TEST_SUITE_P(Disks,
                         CarriedDiskTest,
                         testing::Values(DiskKind::ExFat, DiskKind::Fat, DiskKind::Ntfs),
                         [](const auto &info) { return std::string(test::nameOf(info.param)); });

} // namespace
} // namespace tavolin::rename
