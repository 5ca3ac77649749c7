#include "rename/rename_plan.h"

#include "order/name_keys.h"
#include "rename/first_by_name.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

namespace tavolin::rename {

namespace {

using services::FolderView;

struct Move
{
    int row;
    const std::string &from;
    std::string to;
    int blocker = -1; // the move that leaves this one's planned name first
    int waiter = -1;  // the move whose planned name this one leaves
    // A change of case only, on a folder that ignores case: the file goes through a temporary
    // name, which the journal then knows of.
    bool caseOnly = false;
};

std::string swapAsciiCase(std::string name)
{
    for (char &c : name)
        c = std::islower(static_cast<unsigned char>(c))
                    ? static_cast<char>(std::toupper(static_cast<unsigned char>(c)))
                    : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// Whether the folder sees a.txt and A.txt as one name: the first name that has letters is looked
// up in its other case. Where the folder lists both spellings they are two files; where it lists
// one, a folder that finds the other ignores case. (Comparing the two files' identities is not
// enough: on a FUSE disk they are known by their facts, which its driver may give the two names
// with different precision.)
bool ignoresCase(FolderView &folder,
                 std::span<const PlannedRow> rows,
                 const std::optional<std::unordered_set<std::string>> &names)
{
    for (const PlannedRow &row : rows) {
        const std::string &name = row.current;
        const std::string swapped = swapAsciiCase(name);
        if (swapped == name)
            continue;
        if (names)
            return !names->contains(swapped) && folder.identify(swapped).has_value();
        const auto file = folder.identify(name);
        return file && file == folder.identify(swapped);
    }
    return false;
}

std::optional<RowProblemKind>
nameProblem(FolderView &folder, std::string_view name, services::DiskNames diskNames)
{
    const auto valid = services::checkFileName(name, folder.pathStyle(), folder.maxNameBytes());
    if (!valid && valid.error().kind == services::FsErrorKind::HiddenName)
        return RowProblemKind::HiddenName;
    if (!valid && valid.error().kind == services::FsErrorKind::NameTooLong)
        return RowProblemKind::TooLong;
    if (!valid)
        return RowProblemKind::InvalidName;
    // Linux takes them, but a line break in a name breaks every listing and most scripts.
    if (std::ranges::any_of(name, [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
        return RowProblemKind::ControlCharacter;
    if (services::refusedOnDisk(name, diskNames))
        return RowProblemKind::NotOnThisDisk;
    return std::nullopt;
}

// How a folder that ignores case compares names: each character upper-cased, as FAT-family
// disks do (also beyond ASCII, as exFAT does); a name that is not UTF-8 by its ASCII letters.
std::string caseBlindKey(const std::string &name)
{
    std::string key;
    if (order::appendNameKey(name, key))
        return key;
    key = name;
    std::ranges::transform(
            key, key.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return key;
}

} // namespace

FolderNames readFolderNames(FolderView &folder, std::span<const PlannedRow> rows)
{
    FolderNames read;
    // The names in the folder, read at once rather than asked one by one.
    std::optional<std::unordered_set<std::string>> listed;
    if (auto names = folder.names())
        listed.emplace(std::make_move_iterator(names->begin()),
                       std::make_move_iterator(names->end()));
    read.caseBlind = ignoresCase(folder, rows, listed);
    // A folder that ignores case is taken for a FAT-family disk: the FUSE driver of exFAT
    // does not say what its disk is.
    read.diskNames = read.caseBlind && folder.diskNames() == services::DiskNames::Any
                             ? services::DiskNames::Fat
                             : folder.diskNames();
    if (listed) {
        read.present.emplace();
        read.present->reserve(listed->size());
        while (!listed->empty()) {
            std::string name = std::move(listed->extract(listed->begin()).value());
            read.present->insert(read.caseBlind ? caseBlindKey(name) : std::move(name));
        }
    }
    return read;
}

RenamePlan planRenames(FolderView &folder, std::span<const PlannedRow> rows)
{
    return planRenames(folder, readFolderNames(folder, rows), rows);
}

RenamePlan
planRenames(FolderView &folder, const FolderNames &names, std::span<const PlannedRow> rows)
{
    RenamePlan plan;
    const bool caseBlind = names.caseBlind;
    const std::optional<std::unordered_set<std::string, FolderNames::Hash, std::equal_to<>>>
            &present = names.present;
    const auto key = [caseBlind](const std::string &name) {
        return caseBlind ? caseBlindKey(name) : name;
    };

    std::vector<Move> moves;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const int row = static_cast<int>(index);
        const PlannedRow &planned = rows[index];
        const std::string &current = planned.current;
        if (current.size() == planned.base.size() + planned.extension.size()
            && current.starts_with(planned.base) && current.ends_with(planned.extension))
            continue;
        std::string to = planned.planned();
        if (const auto problem = planned.base.empty() ? std::optional(RowProblemKind::EmptyName)
                                                      : nameProblem(folder, to, names.diskNames))
            plan.problems.push_back({row, *problem, std::move(to), current});
        else
            moves.push_back({row, current, std::move(to)});
    }

    // The moves' names as the folder compares them: where it ignores case, upper-cased.
    std::vector<std::string> folded;
    if (caseBlind) {
        folded.reserve(2 * moves.size());
        for (const Move &move : moves) {
            folded.push_back(caseBlindKey(move.from));
            folded.push_back(caseBlindKey(move.to));
        }
    }
    const auto fromKey = [&](int m) -> std::string_view {
        return caseBlind ? folded[2 * m] : moves[m].from;
    };
    const auto toKey = [&](int m) -> std::string_view {
        return caseBlind ? folded[2 * m + 1] : moves[m].to;
    };
    // The moves by the name each leaves, and the first move to each planned name.
    FirstByName leaving(moves.size(), fromKey);
    FirstByName arriving(moves.size(), toKey);
    for (int m = 0; m < static_cast<int>(moves.size()); ++m)
        leaving.emplace(m);
    std::vector<bool> refused(moves.size());
    for (int m = 0; m < static_cast<int>(moves.size()); ++m) {
        Move &move = moves[m];
        if (const int first = arriving.emplace(m); first != m) {
            refused[m] = refused[first] = true;
            continue;
        }
        if (const int holder = leaving.find(toKey(m)); holder >= 0) {
            if (holder != m)
                move.blocker = holder;
            else
                move.caseOnly = true;
        } else if (present ? present->contains(toKey(m)) : folder.identify(move.to).has_value()) {
            plan.problems.push_back(
                    {move.row, RowProblemKind::TakenByStayingFile, move.to, move.from});
        }
    }
    for (int m = 0; m < static_cast<int>(moves.size()); ++m) {
        if (refused[m])
            plan.problems.push_back(
                    {moves[m].row, RowProblemKind::SameAsAnotherRow, moves[m].to, moves[m].from});
    }
    if (!plan.problems.empty()) {
        std::ranges::sort(plan.problems, {}, &RowProblem::row);
        return plan;
    }

    for (int m = 0; m < static_cast<int>(moves.size()); ++m) {
        if (moves[m].blocker >= 0)
            moves[moves[m].blocker].waiter = m;
    }
    std::vector<bool> planned(moves.size());
    int temporaryNumber = 0;
    // Only the names in the folder and in the batch can be taken, so a free one comes within
    // that many tries; should the folder answer otherwise, the last one tried is used, and the
    // never-replacing rename refuses it if it is taken after all.
    const std::size_t tries = moves.size() * 2 + (present ? present->size() : moves.size()) + 1;
    const auto freeTemporaryName = [&] {
        std::string name;
        for (std::size_t attempt = 0; attempt < tries; ++attempt, ++temporaryNumber) {
            name = "tavolin-rename-" + std::to_string(temporaryNumber) + ".tmp";
            if (leaving.find(key(name)) < 0 && arriving.find(key(name)) < 0
                && !folder.identify(name))
                break;
        }
        ++temporaryNumber;
        return name;
    };
    const auto push = [&](int m, std::string from, std::string to, bool toTemporary) {
        plan.steps.push_back({moves[m].row, std::move(from), std::move(to), toTemporary});
    };
    const auto step = [&](int m) {
        planned[m] = true;
        if (!moves[m].caseOnly)
            return push(m, moves[m].from, moves[m].to, false);
        const std::string temporary = freeTemporaryName();
        push(m, moves[m].from, temporary, true);
        push(m, temporary, moves[m].to, false);
    };
    // Each chain from the move whose planned name is free: every move frees the next one's.
    for (int start = 0; start < static_cast<int>(moves.size()); ++start) {
        if (moves[start].blocker >= 0)
            continue;
        for (int m = start; m >= 0 && !planned[m]; m = moves[m].waiter)
            step(m);
    }
    // What is left are cycles: one file steps aside to a temporary name and closes the cycle.
    for (int first = 0; first < static_cast<int>(moves.size()); ++first) {
        if (planned[first])
            continue;
        const std::string temporary = freeTemporaryName();
        planned[first] = true;
        push(first, moves[first].from, temporary, true);
        for (int m = moves[first].waiter; m != first; m = moves[m].waiter)
            step(m);
        push(first, temporary, moves[first].to, false);
    }
    plan.files = static_cast<int>(moves.size());
    return plan;
}

} // namespace tavolin::rename
