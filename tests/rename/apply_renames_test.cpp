#include "rename/apply_renames.h"

#include "services/posix_file_system.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::rename {
namespace {

using Names = std::vector<std::string>;

// Batches on a real folder whose files hold their first names. A refusal is always of a taken
// name; `refused` is its row, or -1.
TEST(ApplyRenamesTest, RenamesChangedRowsInOrderUntilTheFirstRefusal)
{
    const struct
    {
        Names names, bases, extensions;
        int renamed, refused;
        Names after; // every file as name:content, sorted
    } cases[] = {
            {{"a.t", "b.j", "c"},
             {"x", "b", "z"},
             {".t", ".j", ".m"},
             2,
             -1,
             {"b.j:b.j", "x.t:a.t", "z.m:c"}},
            {{"a", "b"}, {"b", "a"}, {"", ""}, 0, 0, {"a:a", "b:b"}}, // a swap
            {{"1", "2", "3"}, {"one", "3", "three"}, {"", "", ""}, 1, 1, {"2:2", "3:3", "one:1"}},
            {{"a.txt"}, {"A"}, {".txt"}, 1, -1, {"A.txt:a.txt"}}, // a change of case only
            {{"a", "b", "c"}, {"x"}, {"", "", ""}, 1, -1, {"b:b", "c:c", "x:a"}},   // no bases
            {{"a", "b", "c"}, {"x", "y", "z"}, {""}, 1, -1, {"b:b", "c:c", "x:a"}}, // no extensions
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.names[0]);
        const test::TempDir dir;
        for (const std::string &name : c.names)
            dir.writeFile(name, name);
        services::PosixFileSystem fs;
        int rows = 0;
        const auto outcome
                = ApplyRenames(fs, dir.path(), c.names, c.bases, c.extensions, [&](int row) {
                      EXPECT_EQ(row, rows++);
                  });
        EXPECT_EQ(outcome.renamed, c.renamed);
        EXPECT_EQ(rows, c.refused < 0 ? std::ssize(c.names) : c.refused + 1);
        ASSERT_EQ(outcome.failure.has_value(), c.refused >= 0);
        if (outcome.failure) {
            const auto row = static_cast<std::size_t>(c.refused);
            EXPECT_EQ(outcome.failure->row, c.refused);
            EXPECT_EQ(outcome.failure->from, c.names[row]);
            EXPECT_EQ(outcome.failure->to, c.bases[row] + c.extensions[row]);
            EXPECT_EQ(outcome.failure->error.kind, services::FsErrorKind::Exists);
        }
        Names after;
        for (const std::string &name : dir.names())
            after.push_back(name + ":" + dir.readFile(name));
        EXPECT_EQ(after, c.after);
    }
}

} // namespace
} // namespace tavolin::rename
