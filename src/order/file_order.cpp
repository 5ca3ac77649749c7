#include "order/file_order.h"

#include "order/name_keys.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace tavolin::order {

namespace {

// The orders by name rank nothing before the key.
struct NoRank
{
    bool operator==(const NoRank &) const = default;
    bool operator<(const NoRank &) const { return false; }
};

// What one name is ordered by: its rank (a date or a size, for the orders by them), then its key
// (names without one after those with one), then its bytes, which no two names of a folder
// share, so every two names have an order. Small, so that sorting moves little: a million of
// them are sorted at once.
template<typename Rank>
struct Place
{
    [[no_unique_address]] Rank rank = {};
    // The key's first sixteen bytes, which mostly decide at once.
    std::array<std::uint64_t, 2> keyHead = {};
    std::uint32_t keyStart = 0;
    std::uint32_t keyLength = 0;
    std::uint32_t index = 0; // of the name
    bool keyless = false;
};
using NamePlace = Place<NoRank>;
using RankedPlace = Place<std::int64_t>;
static_assert(sizeof(NamePlace) == 32 && sizeof(RankedPlace) == 40);

// A file whose facts are unknown ranks after every date and size a file can have.
constexpr std::int64_t kUnknownRank = INT64_MAX;

// Orders the names, and their facts where there are any, by `places` (one per name, ranks set)
// and the keys `appendKey(name, keys)` makes of them.
template<typename AnyPlace, typename AppendKey>
void sortByKeys(std::vector<std::string> &names,
                std::vector<services::FileFacts> &facts,
                std::vector<AnyPlace> &places,
                AppendKey appendKey)
{
    std::string keys; // all in one, for few allocations and near neighbours
    keys.reserve(names.size() * 16);
    for (std::size_t i = 0; i < names.size(); ++i) {
        AnyPlace &place = places[i];
        place.index = static_cast<std::uint32_t>(i);
        place.keyStart = static_cast<std::uint32_t>(keys.size());
        place.keyless = !appendKey(names[i], keys);
        place.keyLength = static_cast<std::uint32_t>(keys.size()) - place.keyStart;
        for (std::size_t byte = 0; byte < 16; ++byte) {
            std::uint64_t &head = place.keyHead[byte / 8];
            head = head << 8
                   | (byte < place.keyLength
                              ? static_cast<unsigned char>(keys[place.keyStart + byte])
                              : 0U);
        }
    }
    const auto keyOfPlace = [&keys](const AnyPlace &place) {
        return std::string_view(keys).substr(place.keyStart, place.keyLength);
    };
    std::sort(places.begin(), places.end(), [&](const AnyPlace &a, const AnyPlace &b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.keyless != b.keyless)
            return b.keyless;
        for (std::size_t part = 0; part < a.keyHead.size(); ++part)
            if (a.keyHead[part] != b.keyHead[part])
                return a.keyHead[part] < b.keyHead[part];
        if (const int order = keyOfPlace(a).compare(keyOfPlace(b)); order != 0)
            return order < 0;
        return names[a.index] < names[b.index];
    });
    // Each name to its place, in place: a second list of a million names would cost as much
    // again. Following each cycle of the order once, marking the places done.
    const bool withFacts = !facts.empty();
    constexpr std::uint32_t kDone = UINT32_MAX;
    for (std::size_t start = 0; start < places.size(); ++start) {
        if (places[start].index == kDone)
            continue;
        std::size_t at = start;
        while (places[at].index != start) {
            const std::size_t from = std::exchange(places[at].index, kDone);
            std::swap(names[at], names[from]);
            if (withFacts)
                std::swap(facts[at], facts[from]);
            at = from;
        }
        places[at].index = kDone;
    }
}

} // namespace

void sortByName(std::vector<std::string> &names)
{
    std::vector<services::FileFacts> noFacts;
    std::vector<NamePlace> places(names.size());
    sortByKeys(names, noFacts, places, appendNameKey);
}

void sortFiles(SortedFiles &files, FileOrder order)
{
    if (order == FileOrder::Folder)
        return;
    if (order == FileOrder::Modified || order == FileOrder::Size) {
        std::vector<RankedPlace> places(files.names.size());
        for (std::size_t i = 0; i < places.size(); ++i) {
            const services::FileFacts &file = files.facts[i];
            if (!file.known())
                places[i].rank = kUnknownRank;
            else
                places[i].rank = order == FileOrder::Size
                                         ? file.size
                                         : file.modified.time_since_epoch().count();
        }
        sortByKeys(files.names, files.facts, places, appendNameKey);
        return;
    }
    std::vector<NamePlace> places(files.names.size());
    if (order == FileOrder::NaturalName) {
        NaturalKeys natural;
        sortByKeys(files.names, files.facts, places, [&](std::string_view name, std::string &keys) {
            return natural.append(name, keys);
        });
    } else {
        sortByKeys(files.names, files.facts, places, appendNameKey);
    }
}

services::FsResult<SortedFiles> readSortedFiles(services::FileSystem &fs,
                                                const paths::FilePattern &pattern,
                                                FileOrder order,
                                                bool withFacts,
                                                services::Progress *progress)
{
    auto listed = fs.listFiles(pattern);
    if (!listed)
        return std::unexpected(std::move(listed.error()));
    SortedFiles files{.names = std::move(*listed)};
    const auto readFacts = [&] {
        auto facts = fs.fileFacts(pattern.folder, files.names, [&](std::size_t done) {
            return !progress || progress->advance(done, files.names.size());
        });
        if (facts)
            files.facts = std::move(*facts);
        return facts.has_value();
    };
    const bool orderNeedsFacts = order == FileOrder::Modified || order == FileOrder::Size;
    if (orderNeedsFacts && !readFacts())
        return SortedFiles{.end = services::WorkEnd::Stopped};
    sortFiles(files, order);
    // Facts the order does not need are read once the sort's working memory is gone.
    if (withFacts && !orderNeedsFacts && !readFacts())
        return SortedFiles{.end = services::WorkEnd::Stopped};
    return files;
}

} // namespace tavolin::order
