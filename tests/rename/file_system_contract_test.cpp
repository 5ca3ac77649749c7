// What every file system the program runs on answers, held alike against the fake the models
// are tested with, a real folder, and the disks people carry mounted through FUSE.
#include "rename/apply_renames.h"
#include "rename/batch_history.h"
#include "rename/batch_recovery.h"
#include "support/planned_rows.h"

#include "platform/posix_file_system.h"
#include "support/carried_disk.h"
#include "support/cut_off_file_system.h"
#include "support/fake_file_system.h"
#include "support/fake_journal_store.h"
#include "support/words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace tavolin::test {
namespace {

using services::FsResult;
using Names = std::vector<std::string>;

// The carried disks last, in the order of DiskKind.
enum Place { Fake, FakeCaseBlind, Folder, ExFat, Fat, Ntfs };
const char *const kPlaceNames[] = {"Fake", "FakeCaseBlind", "Folder", "exFAT", "FAT", "NTFS"};

// Each row starts from a folder of its own holding the files a, b and c.txt, of 1, 2 and 3
// bytes, and the folder sub.txt, and makes its calls (see answer) one after the other. A row
// that begins with a rename needs the no-replace rename, one that begins with a link second
// names; where the disk lacks it, that call answers no-support. A name that is taken is refused
// before that, also under another case where case is ignored (the third column).
const char *const kRows[][3] = {
        {"list * list *.TXT folders facts a,c.txt,gone", "a,b,c.txt c.txt sub.txt 1,3,?"},
        {"id a a id a b id gone a", "one two none"},
        {"rename a d rename d b rename gone e id d b names",
         "ok exists not-found two b,c.txt,d,sub.txt"},
        // A second name is the same file, as long as both names are there.
        {"link a d link a b link gone e id a d same a d same a b unlink a same d b names",
         "ok exists not-found one same apart ok apart b,c.txt,d,sub.txt"},
        {"free a b free gone d free a d unlink gone unlink d names",
         "exists not-found ok not-found ok b,c.txt,sub.txt"},
        {"mkdir new mkdir new mkdir x/y folders", "ok exists invalid new,sub.txt"},
        {"id a A free a A names", "none ok A,b,c.txt,sub.txt", "one exists a,b,c.txt,sub.txt"},
        {"rename a A names", "ok A,b,c.txt,sub.txt", "exists a,b,c.txt,sub.txt"},
};

std::string joined(Names names)
{
    std::ranges::sort(names);
    return test::joined(names, ",");
}

// Each services::FsErrorKind as the rows write it.
const Names kKinds = words("not-ready gone not-found exists invalid too-long hidden no-permission "
                           "read-only not-on-disk not-a-folder a-folder no-space no-support other");

std::string said(const FsResult<void> &result)
{
    return result ? "ok" : kKinds[static_cast<int>(result.error().kind)];
}

class FileSystemContract : public testing::TestWithParam<Place>
{
protected:
    void SetUp() override
    {
        const Place place = GetParam();
        if (place == Fake || place == FakeCaseBlind) {
            m_fake.setIgnoresCase(place == FakeCaseBlind);
            m_top = "/d";
            m_fake.addFolder(m_top);
            fs = &m_fake;
        } else if (place == Folder) {
            m_top = m_dir.path();
        } else {
            std::string whyNot;
            m_disk = CarriedDisk::mount(static_cast<DiskKind>(place - ExFat), whyNot);
            if (!m_disk)
                GTEST_SKIP() << whyNot;
            m_top = m_disk->path();
        }
    }

    bool ignoresCase() const
    {
        return GetParam() != Fake && GetParam() != Folder && GetParam() != Ntfs;
    }
    bool links() const { return GetParam() != ExFat && GetParam() != Fat; }
    bool noReplace() const { return GetParam() < ExFat; } // none through FUSE

    // A new folder inside the top one holding `files`, the n-th of n + 1 bytes, and sub.txt.
    paths::FolderPath makeFolder(const Names &files)
    {
        const std::string path = m_top + "/r" + std::to_string(++m_made);
        if (fs != &m_fake)
            std::filesystem::create_directory(path);
        for (std::size_t at = 0; at < files.size(); ++at) {
            if (fs == &m_fake)
                m_fake.addFile(path, files[at], static_cast<std::int64_t>(at + 1));
            else
                RealFolder(path).writeFile(files[at],
                                           std::string(at + 1, static_cast<char>('0' + at)));
        }
        EXPECT_TRUE(fs->createFolder({fs->pathStyle(), path}, "sub.txt"));
        return {fs->pathStyle(), path};
    }

    // What the call `verb` with the names `a` and `b` answers in `folder`.
    std::string answer(const paths::FolderPath &folder,
                       services::FolderRenamer &renamer,
                       const std::string &verb,
                       const std::string &a,
                       const std::string &b)
    {
        if (verb == "list")
            return joined(fs->listFiles({folder, a}).value());
        if (verb == "folders")
            return joined(fs->listFolders(folder).value());
        if (verb == "names")
            return joined(renamer.names().value());
        if (verb == "facts") {
            std::string names = a, sizes;
            std::ranges::replace(names, ',', ' ');
            const auto facts = fs->fileFacts(folder, words(names), [](auto) { return true; });
            for (const services::FileFacts &file : facts.value())
                sizes += (sizes.empty() ? "" : ",")
                         + (file.known() ? std::to_string(file.size) : std::string("?"));
            return sizes;
        }
        if (verb == "id") {
            const auto first = renamer.identify(a), second = renamer.identify(b);
            return !first || !second ? "none" : first == second ? "one" : "two";
        }
        if (verb == "same")
            return renamer.sameFile(a, b) ? "same" : "apart";
        if (verb == "mkdir")
            return said(fs->createFolder(folder, a));
        if (verb == "unlink")
            return said(renamer.unlink(a));
        if (verb == "link")
            return said(renamer.link(a, b));
        if (verb == "free")
            return said(renamer.renameIfFree(a, b));
        return said(renamer.renameNoReplace(a, b));
    }

    services::FileSystem *fs = &m_posix;

private:
    FakeFileSystem m_fake{paths::PathStyle::posix()};
    services::PosixFileSystem m_posix;
    TempDir m_dir;
    std::unique_ptr<CarriedDisk> m_disk;
    std::string m_top;
    int m_made = 0;
};

TEST_P(FileSystemContract, EachCallAnswersAsTheDiskDoes)
{
    const std::map<std::string, std::size_t> namesOf{
            {"folders", 0}, {"names", 0}, {"list", 1}, {"facts", 1}, {"mkdir", 1}, {"unlink", 1}};
    for (const auto &[calls, answers, answersWhereCaseIgnored] : kRows) {
        SCOPED_TRACE(calls);
        const auto folder = makeFolder(words("a b c.txt"));
        const auto renamer = fs->openForRenaming(folder).value();
        const Names call = words(calls);
        const bool able = call[0] == "rename" ? noReplace() : call[0] != "link" || links();
        const char *caseAnswers = ignoresCase() ? answersWhereCaseIgnored : nullptr;
        std::string heard;
        for (std::size_t at = 0; at < call.size() && (able || caseAnswers || heard.empty());) {
            const std::size_t count = namesOf.contains(call[at]) ? namesOf.at(call[at]) : 2;
            const std::string a = count > 0 ? call[at + 1] : "", b = count > 1 ? call[at + 2] : "";
            heard += (heard.empty() ? "" : " ") + answer(folder, *renamer, call[at], a, b);
            at += count + 1;
        }
        EXPECT_EQ(heard, caseAnswers ? caseAnswers : able ? answers : "no-support");
    }
}

// A batch of a cycle and a change of case cut off before any of its changes (on a disk with second
// names between the second name of a file and the removal of its first too) is settled at the
// next start either way, with each file under one name, the one it was going to; a batch
// settled to its end is undone.
TEST_P(FileSystemContract, ABatchCutOffAnywhereIsSettledWithEachFileUnderOneName)
{
    const Names listed = words("a b c.txt D.txt"), planned = words("b c.txt a d.txt");
    int cutAt = 0;
    for (;; ++cutAt) {
        SCOPED_TRACE(cutAt);
        const auto folder = makeFolder(listed);
        const auto renamer = fs->openForRenaming(folder).value();
        std::vector<std::optional<services::FileId>> ids;
        for (const std::string &name : listed)
            ids.push_back(renamer->identify(name));
        FakeJournalStore journals;
        if (!cutOff(*fs, cutAt, links(), [&](auto &cutting) {
                (void)rename::ApplyRenames(
                        cutting, folder.path(), renamesTo(listed, planned), {&journals});
            }))
            break;
        const std::string batch = journals.list().back().id;
        const auto toward = cutAt % 2 ? rename::Toward::OldNames : rename::Toward::NewNames;
        const auto settled
                = rename::settleBatch(*fs, journals, batch, toward, rename::Unmovable::AskAgain);
        ASSERT_EQ(settled.end, services::WorkEnd::Done);
        if (toward == rename::Toward::NewNames) {
            for (std::size_t file = 0; file < listed.size(); ++file)
                EXPECT_EQ(renamer->identify(planned[file]), ids[file]) << planned[file];
            EXPECT_EQ(joined(renamer->names().value()), joined(planned) + ",sub.txt");
            ASSERT_EQ(rename::lastUndoableBatch(journals, folder.path()), batch);
            ASSERT_EQ(rename::settleBatch(*fs,
                                          journals,
                                          batch,
                                          rename::Toward::OldNames,
                                          rename::Unmovable::StopAll)
                              .end,
                      services::WorkEnd::Done);
        }
        for (std::size_t file = 0; file < listed.size(); ++file)
            EXPECT_EQ(renamer->identify(listed[file]), ids[file]) << listed[file];
        EXPECT_EQ(joined(renamer->names().value()), joined(listed) + ",sub.txt");
        for (const auto &journal : journals.list())
            EXPECT_NE(journal.state, services::JournalState::Running);
    }
    EXPECT_GE(cutAt, 8) << "a cycle of three and a change of case";
}

INSTANTIATE_TEST_SUITE_P(Places,
                         FileSystemContract,
                         testing::Values(Fake, FakeCaseBlind, Folder, ExFat, Fat, Ntfs),
                         [](const auto &info) { return std::string(kPlaceNames[info.param]); });

} // namespace
} // namespace tavolin::test
