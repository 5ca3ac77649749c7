#include "rename/batch_history.h"
#include "rename/batch_journal.h"
#include "rename/batch_recovery.h"
#include "support/planned_rows.h"

#include "platform/posix_file_system.h"
#include "platform/posix_journal_store.h"
#include "support/killed_batch.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>

#include <random>
#include <unistd.h>

namespace tavolin::rename {
namespace {

using services::JournalState;
using Names = std::vector<std::string>;

// Making 10,000 files costs seconds on some disks and nothing in memory: a folder for that lies
// in /dev/shm where there is one (a tmpfs, which renames as any disk does).
std::filesystem::path fastDisk()
{
    return ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::filesystem::temp_directory_path();
}

// Five digits, so that names sort as numbers.
std::string numbered(int number)
{
    return "f" + std::to_string(100000 + number).substr(1);
}

// Any bytes but "/" and NUL make a name; every journal reads back as it was written, and no
// part of one reads as a journal.
TEST(BatchJournal, ReadsBackWhatWasWrittenAndNothingOfAPart)
{
    std::mt19937 random(12);
    const auto name = [&](int shortest) {
        std::string name(static_cast<std::size_t>(shortest + random() % 6), 'x');
        for (char &c : name) // any byte but NUL and '/'
            while ((c = static_cast<char>(random() % 256)) == '/' || c == '\0') {
            }
        return name;
    };
    for (int round = 0; round < 200; ++round) {
        BatchJournal journal{"/f/" + name(0), round % 2 == 0, {}};
        if (round % 5 == 0) // a journal of 元に戻す, which names the batch it takes back
            journal = {journal.folder, true, {}, name(1)};
        for (int file = 0; file < 3; ++file)
            journal.files.push_back(
                    {{static_cast<services::FileId::Basis>(random() % 3), random(), random()},
                     name(1),
                     round % 3 ? "" : name(1),
                     name(1)});
        const std::string text = encodeJournal(journal);
        const auto back = decodeJournal(text);
        ASSERT_TRUE(back);
        EXPECT_EQ(encodeJournal(*back), text);
        EXPECT_EQ(journalFolder(text), journal.folder);
        EXPECT_EQ(back->folder + back->files[2].newName, journal.folder + journal.files[2].newName);
        EXPECT_EQ(back->files[1].id, journal.files[1].id);
        EXPECT_EQ(back->undoes, journal.undoes);
        const std::string part = text.substr(0, random() % text.size());
        EXPECT_EQ(decodeJournal(part), std::nullopt);
        EXPECT_EQ(journalFolder(part), std::nullopt);
    }
    // "-" is a name, not the empty one.
    EXPECT_EQ(decodeJournal(encodeJournal({"-", false, {}})).value().folder, "-");
}

// Journals on a real state folder: made Running, moved on by state, the oldest finished ones
// dropped per folder; none where a file stands in the state folder's path.
TEST(BatchJournal, AStoreKeepsTheLastBatchesOfEachFolderAndEveryCutOffOne)
{
    const test::TempDir state;
    services::PosixJournalStore journals(state.pathOf("deep/tavolin"));
    const auto make = [&](std::string_view folder) {
        const BatchJournal journal{std::string(folder), false, {{{{}, 1, 2}, "a", "", "b"}}};
        return journals.create(journalTag(folder, false), encodeJournal(journal)).value();
    };
    const std::string cutOff = make("/a");
    Names finished;
    for (int batch = 0; batch < kKeptPerFolder + 2; ++batch) {
        finished.push_back(make("/a"));
        ASSERT_TRUE(journals.setState(finished.back(), JournalState::Complete));
    }
    const std::string other = make("/b");
    ASSERT_TRUE(journals.setState(other, JournalState::Undone));
    pruneJournals(journals);
    Names kept;
    for (const auto &entry : journals.list())
        kept.push_back(entry.id + (entry.state == JournalState::Running ? " running" : ""));
    EXPECT_EQ(kept, Names({cutOff + " running", finished[2], finished[3], finished[4], other}));
    EXPECT_EQ(lastUndoableBatch(journals, "/a"), finished[4]);
    namespace fs = std::filesystem;
    for (const fs::directory_entry &file : fs::directory_iterator(state.pathOf("deep/tavolin")))
        EXPECT_EQ(file.status().permissions(), fs::perms::owner_read | fs::perms::owner_write)
                << file.path() << ": a journal names the user's files, for the user alone";
    // A state folder that cannot be made because a plain file is in its path says so.
    state.writeFile("plain");
    services::PosixJournalStore underAFile(state.pathOf("plain/tavolin"));
    const auto refused = underAFile.create(journalTag("/a", false), "x");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, services::FsErrorKind::NotAFolder);
    EXPECT_EQ(lastUndoableBatch(journals, "/b"), std::nullopt); // undone already
    const auto filesOpen = test::TempDir::openFiles();
    EXPECT_THAT(decodeJournal(journals.read(cutOff).value())->files[0].newName, "b");
    state.makeFolder("deep/tavolin/999999.x.running"); // opens, and fails at the first read
    EXPECT_FALSE(journals.read("999999"));
    EXPECT_EQ(test::TempDir::openFiles(), filesOpen) << "reading a journal leaves nothing open";
}

// A batch of 10,000 files, of cycles of three and a shift by one, killed at points drawn from a
// fixed seed; the journal it left takes every file to exactly its new name or exactly its old
// one, alternately, with its content. A finished batch is then taken back whole.
TEST(BatchJournal, ABatchKilledAnywhereIsFinishedOrTakenBackWhole)
{
    constexpr int kFiles = 10000, kInCycles = 6000;
    Names listed, planned;
    const test::TempDir dir(fastDisk()), state;
    for (int file = 0; file < kFiles; ++file) {
        listed.push_back(numbered(file));
        planned.push_back(numbered(file >= kInCycles || file % 3 != 2 ? file + 1 : file - 2));
        dir.writeFile(listed.back(), listed.back());
    }
    services::PosixFileSystem fs;
    services::PosixJournalStore journals(state.path());
    const auto expectNames = [&](const Names &names) {
        Names sorted(names);
        std::ranges::sort(sorted);
        ASSERT_EQ(dir.names(), sorted);
        for (int file = 0; file < kFiles; file += 7)
            ASSERT_EQ(dir.readFile(names[file]), listed[file]);
    };
    std::mt19937 random(2026);
    for (int round = 0; round < 8; ++round) {
        const int killAt = round == 0 ? 0 : static_cast<int>(random() % (kFiles + 2000));
        SCOPED_TRACE(killAt);
        ASSERT_TRUE(test::killedBeforeStep(killAt, journals, [&](const BatchOptions &options) {
            (void)ApplyRenames(fs, dir.path(), test::renamesTo(listed, planned), options);
        }));
        // The child's journal is the newest (the older ones are settled: see the end).
        const std::string cutOff = journals.list().back().id;
        ASSERT_EQ(journals.list().back().state, JournalState::Running);
        const auto toward = round % 2 ? Toward::OldNames : Toward::NewNames;
        const auto outcome = settleBatch(fs, journals, cutOff, toward, false);
        ASSERT_TRUE(outcome && outcome->problems.empty() && !outcome->failure);
        expectNames(toward == Toward::NewNames ? planned : listed);
        if (toward == Toward::NewNames) {
            ASSERT_EQ(lastUndoableBatch(journals, dir.path()), cutOff);
            ASSERT_TRUE(settleBatch(fs, journals, cutOff, Toward::OldNames, true));
            expectNames(listed);
        }
    }
    for (const auto &entry : journals.list())
        EXPECT_NE(entry.state, JournalState::Running);
}

} // namespace
} // namespace tavolin::rename
