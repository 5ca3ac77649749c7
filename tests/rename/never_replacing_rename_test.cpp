#include "rename/never_replacing_rename.h"

#include "support/fake_file_system.h"
#include "support/words.h"

#include <gmock/gmock.h>

#include <optional>

namespace tavolin::rename {
namespace {

using enum test::Primitive;
using enum services::FsErrorKind;

struct Failure
{
    test::Primitive primitive;
    services::FsErrorKind kind;
    std::string name = {}; // empty: the next call whatever its name
};

// The folder a case starts from: "a" and "b" on a POSIX-style file system, which ignores case
// in the last two (as vfat does), where the first temporary name is also taken in the last.
enum Folder { Plain, CaseBlind, CaseBlindTmpTaken };

const Failure kNoFlag{RenameNoReplace, NotSupported};
const Failure kNoLinks{Link, NotSupported};
const std::string kLong(255, 'n'), kTmp = "tavolin-rename-0.tmp", kTmp1 = "tavolin-rename-1.tmp";
const std::string kAway = "rename a " + kTmp;
const Failure kSecondStepFails{RenameNoReplace, Other, kTmp};

// Each case plans the calls that fail and checks the answer and every change made, in order.
const struct Case
{
    std::string from, to;
    Folder folder;
    std::vector<Failure> failures;
    std::optional<services::FsErrorKind> refusal = {}; // none: the rename is done
    std::vector<std::string> log = {};
} kCases[] = {
        // Names are checked once, before the folder is touched.
        {"a", "", Plain, {}, InvalidName},
        {"a", ".", Plain, {}, InvalidName},
        {"a", "..", Plain, {}, InvalidName},
        {"a", std::string("x\0y", 3), Plain, {}, InvalidName},
        {"a", kLong + "n", Plain, {}, NameTooLong},
        {"../a", "c", Plain, {}, InvalidName},
        {"a", kLong, Plain, {}, {}, {"rename a " + kLong}},
        {"a", "x\\y", Plain, {}, {}, {"rename a x\\y"}},
        // Another file's name is refused, with the flag or without.
        {"a", "b", Plain, {}, Exists},
        {"a", "b", Plain, {kNoFlag}, Exists},
        // Without the flag: a link, then the old name goes; should it stay, the link goes.
        {"a", "c", Plain, {kNoFlag}, {}, {"link a c", "unlink a"}},
        {"a", "c", Plain, {kNoFlag, {Link, Other}}, Other},
        {"a", "c", Plain, {kNoFlag, {Unlink, Other}}, Other, {"link a c", "unlink c"}},
        // Without the flag and without links (exFAT and FAT through FUSE): a look, then the
        // rename, which still refuses another file's name and reports a name the disk refuses.
        {"a", "c", Plain, {kNoFlag, kNoLinks}, {}, {"rename-if-free a c"}},
        {"a", "b", Plain, {kNoFlag, kNoLinks}, Exists},
        {"a", "c?", Plain, {kNoFlag, kNoLinks, {RenameIfFree, NotOnThisDisk}}, NotOnThisDisk},
        // Where case is ignored, a change of case only goes through the first free temporary
        // name, and back when the second step fails; another file's name stays refused.
        {"a", "A", CaseBlind, {}, {}, {kAway, "rename " + kTmp + " A"}},
        {"a", "A", CaseBlindTmpTaken, {}, {}, {"rename a " + kTmp1, "rename " + kTmp1 + " A"}},
        {"a", "A", CaseBlind, {kSecondStepFails}, Other, {kAway, "rename " + kTmp + " a"}},
        {"a", "A", CaseBlind, {{RenameNoReplace, Exists}, {RenameNoReplace, Other}}, Other},
        {"a", "B", CaseBlind, {}, Exists},
        {"a", "A", CaseBlind, {{RenameNoReplace, ReadOnly}}, ReadOnly}, // no other way then
        {"a",
         "A",
         CaseBlind,
         {{RenameNoReplace, Exists}, kNoFlag, kNoLinks, kNoFlag, kNoLinks},
         {},
         {"rename-if-free a " + kTmp, "rename-if-free " + kTmp + " A"}},
};

TEST(NeverReplacingRenameTest, EachStepThatFailsLeavesTheFileUnderOneName)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.from + " -> " + c.to);
        test::FakeFileSystem fs{paths::PathStyle::posix()};
        fs.setIgnoresCase(c.folder != Plain);
        fs.addFile("/d", "a");
        fs.addFile("/d", "b");
        if (c.folder == CaseBlindTmpTaken)
            fs.addFile("/d", kTmp);
        for (const auto &[primitive, kind, name] : c.failures)
            fs.failNext(primitive, {kind, "planned"}, name);
        const auto result = renameNeverReplacing(
                *fs.openForRenaming({fs.pathStyle(), "/d"}).value(), c.from, c.to);
        EXPECT_EQ(test::refusal(result), c.refusal);
        EXPECT_EQ(fs.log(), c.log);
    }
}

} // namespace
} // namespace tavolin::rename
