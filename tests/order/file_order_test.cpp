#include "order/file_order.h"
#include "order/name_keys.h"

#include "listing/get_file_list.h"
#include "support/fake_file_system.h"
#include "support/fake_progress.h"
#include "support/words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace tavolin::order {
namespace {

using enum FileOrder;

// Files with sizes and times that tie in pairs, names that differ only in case or only in their
// width, Japanese names, a name in Shift_JIS that is not UTF-8, and one whose facts are gone.
struct File
{
    std::string name;
    std::int64_t size;
    int modified;
};
const std::vector<File> kFiles{
        {"b.txt", 30, 100},
        {"A.txt", 10, 300},
        {"a.txt", 10, 300},
        {"file10.txt", 5, 200},
        {"file2.txt", 20, 100},
        {"写真.jpg", 40, 50},
        {"é.txt", 60, 400},
        {"É.txt", 70, 500},
        {"z.txt", 80, 600},
        {"あ.txt", 90, 700},
        {"ア.txt", 15, 250},
        {"ｶ.txt", 25, 150},
        {"\x83\x65.txt", 1, 10},
        {"gone.txt", services::kUnknownFileSize, 0},
};

// Each order of kFiles, the names joined by a space.
const std::pair<FileOrder, const char *> kOrders[] = {
        {Name,
         "A.txt a.txt b.txt file10.txt file2.txt gone.txt z.txt É.txt é.txt あ.txt ア.txt "
         "写真.jpg ｶ.txt \x83\x65.txt"},
        {NaturalName,
         "a.txt A.txt b.txt é.txt É.txt file2.txt file10.txt gone.txt z.txt あ.txt "
         "ア.txt ｶ.txt 写真.jpg \x83\x65.txt"},
        {Modified,
         "\x83\x65.txt 写真.jpg b.txt file2.txt ｶ.txt file10.txt ア.txt A.txt a.txt "
         "é.txt É.txt z.txt あ.txt gone.txt"},
        {Size,
         "\x83\x65.txt file10.txt A.txt a.txt ア.txt file2.txt ｶ.txt b.txt 写真.jpg é.txt "
         "É.txt z.txt あ.txt gone.txt"},
};

// The names the enumeration delivers, without the empty last slot.
std::vector<std::string> enumerate(services::FileSystem &fs, std::string_view folder, FileOrder by)
{
    std::vector<std::string> names;
    const auto found = listing::GetFileList(
            fs, paths::FilePattern::parse(fs.pathStyle(), folder), names, by);
    EXPECT_TRUE(found && found->end == services::WorkEnd::Done);
    names.pop_back();
    return names;
}

TEST(FileOrder, EachOrderWithItsTiesAndTheFolderOrderAsTheFolderGivesIt)
{
    test::FakeFileSystem fs;
    for (const File &file : kFiles)
        fs.addFile("D:\\o", file.name, file.size, file.modified);
    for (const auto &[order, expected] : kOrders)
        EXPECT_EQ(test::joined(enumerate(fs, "D:\\o\\", order), " "), expected)
                << static_cast<int>(order);
    std::vector<std::string> delivered = fs.listFiles({{fs.pathStyle(), "D:\\o"}, {}}).value();
    EXPECT_EQ(enumerate(fs, "D:\\o\\", Folder), delivered);
    // Folders are listed in name order too.
    std::vector<std::string> folders{"b", "Apple", "apple", "写真", "Zoo"};
    sortByName(folders);
    EXPECT_EQ(test::joined(folders, " "), "Apple apple b Zoo 写真");
}

// The order stopped while it reads the files' facts leaves no names.
TEST(FileOrder, AStopWhileTheFactsAreReadDeliversNothing)
{
    test::FakeProgress stop;
    stop.askToStop();
    test::FakeFileSystem fs;
    fs.addFile("D:\\o", "a");
    std::vector<std::string> names{"left over"};
    const auto found = listing::GetFileList(
            fs, paths::FilePattern::parse(fs.pathStyle(), "D:\\o\\"), names, Size, &stop);
    EXPECT_EQ(found->end, services::WorkEnd::Stopped);
    EXPECT_EQ(names, std::vector<std::string>(1));
}

// Random names from a fixed seed: the order does not depend on the order the names come in,
// ASCII names compare as their upper case and then their bytes, and numbers in names compare
// as numbers in the natural order.
TEST(FileOrder, AnyMixOfNamesHasOneOrder)
{
    std::mt19937 random(22);
    const std::vector<std::string> pieces{
            "a", "A", "b", "_", "0", "9", "é", "あ", "ア", "ｱ", "\xff"};
    std::set<std::string> unique, ascii; // in byte order
    for (int i = 0; i < 3000; ++i) {
        std::string name;
        for (int length = 1 + static_cast<int>(random() % 6); length > 0; --length)
            name += pieces[random() % pieces.size()];
        unique.insert(name);
        if (std::ranges::all_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            ascii.insert(name);
    }
    const std::vector<std::string> names(unique.begin(), unique.end());
    std::vector<std::string> sorted = names;
    sortByName(sorted);
    for (int round = 0; round < 3; ++round) {
        std::vector<std::string> shuffled = names;
        std::ranges::shuffle(shuffled, random);
        sortByName(shuffled);
        EXPECT_EQ(shuffled, sorted);
    }

    const auto upper = [](std::string name) {
        std::ranges::transform(name, name.begin(), [](char c) { return std::toupper(c); });
        return name;
    };
    std::vector<std::string> byName(ascii.begin(), ascii.end()), byUpper = byName;
    sortByName(byName);
    std::ranges::sort(byUpper, [&](const std::string &a, const std::string &b) {
        return std::pair(upper(a), a) < std::pair(upper(b), b);
    });
    EXPECT_EQ(byName, byUpper);

    std::set<int> numbers;
    for (int i = 0; i < 500; ++i)
        numbers.insert(static_cast<int>(random() % 100000));
    std::vector<std::string> expected;
    for (const int number : numbers)
        expected.push_back("img" + std::to_string(number) + ".jpg");
    SortedFiles natural{expected};
    std::ranges::shuffle(natural.names, random);
    sortFiles(natural, NaturalName);
    EXPECT_EQ(natural.names, expected);
    // Case decides between names that differ only in it, up to their last character.
    SortedFiles cased{{"B", "A", "b", "a"}};
    sortFiles(cased, NaturalName);
    EXPECT_EQ(cased.names, (std::vector<std::string>{"a", "A", "b", "B"}));
}

} // namespace
} // namespace tavolin::order
