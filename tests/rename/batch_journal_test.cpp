#include "rename/batch_history.h"
#include "rename/batch_journal.h"

#include "platform/posix_journal_store.h"
#include "support/child_process.h"
#include "support/fake_journal_store.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>

#include <csignal>
#include <random>
#include <sys/resource.h>

namespace tavolin::rename {
namespace {

using services::JournalState;
using Names = std::vector<std::string>;

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

// Which journals stay after a batch: each run of journals made as old, as large and in the
// same state, oldest first; how many stay (and are listed as kept), and how many of the oldest
// go.
TEST(BatchJournal, TheLastNinetyDaysAndTheLastThousandBatchesStayWithinTwoHundredMegabytes)
{
    using enum JournalState;
    const auto now = std::chrono::system_clock::from_time_t(1'800'000'000);
    struct Run
    {
        int journals, days, megabytes;
        JournalState state = Complete;
    };
    const struct
    {
        const char *what;
        std::vector<Run> runs;
        std::size_t kept, oldestGone;
    } cases[] = {
            {"the last thousand of old ones", {{1100, 100, 0}}, 1000, 100},
            {"old ones up to a thousand", {{500, 100, 0, Undone}, {700, 10, 0}}, 1000, 200},
            {"all of ninety days", {{1500, 90, 0}}, 1500, 0},
            {"cut off and set aside",
             {{1, 100, 0, Running}, {1, 100, 0, SetAside}, {1100, 100, 0}},
             1002,
             0},
            {"the oldest beyond 200 MB", {{60, 10, 5}}, 40, 20},
            {"a cut-off one beyond 200 MB", {{1, 10, 5, Running}, {59, 10, 5}}, 40, 0},
            {"the last one whatever its size", {{1, 1, 300}}, 1, 0},
    };
    for (const auto &c : cases) {
        test::FakeJournalStore journals;
        Names made;
        for (const Run &run : c.runs) {
            journals.clock = now - std::chrono::days(run.days);
            for (int i = 0; i < run.journals; ++i) {
                made.push_back(journals.create("t", "x").value());
                journals.journals[made.back()].state = run.state;
                journals.journals[made.back()].bytes = std::uint64_t(run.megabytes) << 20;
            }
        }
        pruneJournals(journals, now);
        EXPECT_EQ(keptBatches(journals).size(), c.kept) << c.what; // each listed
        const auto firstKept = std::ranges::find_if(
                made, [&](const std::string &id) { return journals.journals.contains(id); });
        EXPECT_EQ(firstKept - made.begin(), c.oldestGone) << c.what;
    }
}

// Journals on a real state folder: made Running with their time and size, moved on by state;
// none where a file stands in the state folder's path.
TEST(BatchJournal, AStoreKeepsJournalsForTheUserAloneAndSaysWhyItCannot)
{
    const test::TempDir state;
    services::PosixJournalStore journals(state.pathOf("deep/tavolin"));
    const auto make = [&](std::string_view folder) {
        const BatchJournal journal{std::string(folder), false, {{{{}, 1, 2}, "a", "", "b"}}};
        return journals.create(journalTag(folder, false), encodeJournal(journal)).value();
    };
    const auto before = std::chrono::system_clock::now();
    const std::string cutOff = make("/a");
    const std::string finished = make("/a");
    ASSERT_TRUE(journals.setState(finished, JournalState::Complete));
    const std::string other = make("/b");
    ASSERT_TRUE(journals.setState(other, JournalState::Undone));
    Names kept;
    for (const auto &entry : journals.list()) {
        kept.push_back(entry.id + (entry.state == JournalState::Running ? " running" : ""));
        EXPECT_EQ(entry.bytes, journals.read(entry.id)->size());
        EXPECT_LE(entry.made - before, std::chrono::minutes(1));
        EXPECT_GE(entry.made - before, -std::chrono::seconds(1));
    }
    EXPECT_EQ(kept, Names({cutOff + " running", finished, other}));
    // A later batch filed under the digest of /a but of another folder (digests may meet).
    const BatchJournal stranger{"/c", false, {{{{}, 1, 3}, "c", "", "d"}}};
    const std::string filedAlike
            = journals.create(journalTag("/a", false), encodeJournal(stranger)).value();
    ASSERT_TRUE(journals.setState(filedAlike, JournalState::Complete));
    EXPECT_EQ(lastUndoableBatch(journals, "/a"), finished);
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

// A journal that cannot be written whole is refused and not kept, so no batch starts on half of
// one. A limit on the size of files makes the write fail (EFBIG) part-way.
TEST(BatchJournal, AJournalThatCannotBeWrittenWholeIsRefusedAndLeavesNothing)
{
    const test::TempDir state;
    services::PosixJournalStore journals(state.pathOf("tavolin"));
    const int status = test::childStatus([&] {
        ::alarm(10); // a write that is tried again for ever ends the child
        const rlimit limit{64 << 10, 64 << 10};
        if (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
        return journals.create(journalTag("/a", false), std::string(1 << 20, 'x')) ? 1 : 0;
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_THAT(journals.list(), ::testing::IsEmpty());
}

} // namespace
} // namespace tavolin::rename
