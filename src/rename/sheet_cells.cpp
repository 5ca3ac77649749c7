#include "rename/sheet_cells.h"

#include "text/text_codec.h"

#include <algorithm>
#include <array>
#include <csv.h>

namespace tavolin::rename {

namespace {

using text::textfile::Encoding;

std::string decoded(std::string_view bytes)
{
    std::size_t bomLength = 0;
    const Encoding encoding = text::textfile::detect(bytes, true, bomLength);
    bytes.remove_prefix(bomLength);
    if (encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be) {
        std::size_t used = 0;
        return text::textfile::decodeUtf16(bytes, encoding == Encoding::Utf16Be, used);
    }
    return text::textfile::decodeLine(bytes, encoding);
}

// The separator the first row is written with: what a "sep=" line names (that line is then
// skipped), else the one the row holds most of outside quotes, a tab above the others.
char separatorOf(std::string_view &text)
{
    const std::string_view firstRow = text.substr(0, text.find_first_of("\r\n"));
    if (firstRow.size() == 5 && firstRow.starts_with("sep=")) {
        text.remove_prefix(std::min(text.size(), text.find('\n') + 1));
        return firstRow[4];
    }
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> kSeparators{'\t', ';', ','};
    bool quoted = false;
    for (const char c : firstRow) {
        quoted ^= c == '"';
        if (!quoted)
            for (std::size_t i = 0; i < kSeparators.size(); ++i)
                counts[i] += c == kSeparators[i];
    }
    const auto most = std::ranges::max_element(counts); // the first of equals: a tab
    return *most > 0 ? kSeparators[static_cast<std::size_t>(most - counts.begin())] : ',';
}

struct Collected
{
    SheetCells rows;
    std::vector<std::string> row;
};

} // namespace

SheetCells readDelimitedCells(std::string_view bytes, std::optional<char> givenSeparator)
{
    const std::string text = decoded(bytes);
    std::string_view rest = text;
    const char separator = givenSeparator.value_or(separatorOf(rest));

    csv_parser parser{};
    csv_init(&parser, 0);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    // A name may begin or end with spaces: nothing around a cell is trimmed.
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    Collected collected;
    const auto cell = [](void *bytes, std::size_t length, void *into) {
        static_cast<Collected *>(into)->row.emplace_back(static_cast<const char *>(bytes), length);
    };
    const auto rowEnd = [](int, void *into) {
        auto &sheet = *static_cast<Collected *>(into);
        if (!std::ranges::all_of(sheet.row, &std::string::empty))
            sheet.rows.push_back(std::move(sheet.row));
        sheet.row.clear();
    };
    csv_parse(&parser, rest.data(), rest.size(), cell, rowEnd, &collected);
    csv_fini(&parser, cell, rowEnd, &collected);
    csv_free(&parser);
    return std::move(collected.rows);
}

} // namespace tavolin::rename
