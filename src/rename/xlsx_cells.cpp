#include "rename/xlsx_cells.h"

#include <expat.h>
#include <unicode/utf8.h>
#include <zip.h>

#include <algorithm>
#include <charconv>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tavolin::rename {

namespace {

constexpr std::string_view kNotABook = "Excelブック(.xlsx)として読めません: ";

// The entries of a zip archive held in memory.
class ZipEntries
{
public:
    explicit ZipEntries(std::string_view bytes)
    {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t *source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
        if (source)
            m_zip.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
        if (source && !m_zip)
            zip_source_free(source);
        zip_error_fini(&error);
    }

    bool opened() const { return m_zip != nullptr; }

    // The bytes of the entry `name`, or nothing when the archive has none such.
    std::optional<std::string> read(const std::string &name) const
    {
        zip_stat_t facts;
        if (zip_stat(m_zip.get(), name.c_str(), 0, &facts) != 0 || !(facts.valid & ZIP_STAT_SIZE))
            return std::nullopt;
        const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
                zip_fopen(m_zip.get(), name.c_str(), 0), &zip_fclose);
        if (!file)
            return std::nullopt;
        std::string bytes(facts.size, '\0');
        if (zip_fread(file.get(), bytes.data(), bytes.size())
            != static_cast<zip_int64_t>(bytes.size()))
            return std::nullopt;
        return bytes;
    }

private:
    std::unique_ptr<zip_t, decltype(&zip_discard)> m_zip{nullptr, &zip_discard};
};

// An element's name without its namespace prefix: "x:row" and "row" alike.
std::string_view localName(const char *name)
{
    const std::string_view full(name);
    const std::size_t colon = full.rfind(':');
    return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

const char *attribute(const char **attributes, std::string_view wanted)
{
    for (; *attributes; attributes += 2)
        if (localName(attributes[0]) == wanted || std::string_view(attributes[0]) == wanted)
            return attributes[1];
    return nullptr;
}

// Excel writes a character that XML cannot hold, such as a carriage return, as "_x000D_", and
// "_x" itself as "_x005F_x".
std::string unescaped(std::string_view text)
{
    std::string out;
    std::size_t at = std::min(text.find("_x"), text.size());
    out.reserve(text.size());
    out.append(text.substr(0, at));
    while (at < text.size()) {
        unsigned code = 0;
        if (text.substr(at, 2) == "_x" && at + 7 <= text.size() && text[at + 6] == '_'
            && std::from_chars(text.data() + at + 2, text.data() + at + 6, code, 16).ptr
                       == text.data() + at + 6) {
            char character[U8_MAX_LENGTH];
            std::size_t length = 0;
            U8_APPEND_UNSAFE(character, length, static_cast<UChar32>(code));
            out.append(character, length);
            at += 7;
        } else {
            out += text[at++];
        }
    }
    return out;
}

// Calls `element(name, attributes)` at each start of an element and `ended(name)` at each end,
// gathering the text between them into `text`.
class XmlReader
{
public:
    std::function<void(std::string_view, const char **)> started = [](auto, auto) {
    };
    std::function<void(std::string_view)> ended = [](auto) {
    };
    std::string text;

    bool parse(std::string_view xml)
    {
        const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
                XML_ParserCreate("UTF-8"), &XML_ParserFree);
        XML_SetUserData(parser.get(), this);
        XML_SetElementHandler(
                parser.get(),
                [](void *self, const char *name, const char **attributes) {
                    static_cast<XmlReader *>(self)->started(localName(name), attributes);
                },
                [](void *self, const char *name) {
                    static_cast<XmlReader *>(self)->ended(localName(name));
                });
        XML_SetCharacterDataHandler(parser.get(), [](void *self, const char *bytes, int length) {
            static_cast<XmlReader *>(self)->text.append(bytes, static_cast<std::size_t>(length));
        });
        return XML_Parse(parser.get(), xml.data(), static_cast<int>(xml.size()), XML_TRUE)
               == XML_STATUS_OK;
    }
};

// The text of each <si> of the shared strings, its runs joined and its readings (<rPh>) left out.
std::vector<std::string> sharedStrings(std::string_view xml)
{
    std::vector<std::string> strings;
    XmlReader reader;
    int inReading = 0;
    std::string current;
    reader.started = [&](std::string_view name, const char **) {
        inReading += name == "rPh";
        reader.text.clear();
        if (name == "si")
            current.clear();
    };
    reader.ended = [&](std::string_view name) {
        if (name == "t" && inReading == 0)
            current += reader.text;
        inReading -= name == "rPh";
        if (name == "si")
            strings.push_back(unescaped(current));
    };
    reader.parse(xml);
    return strings;
}

// The column of a cell reference such as "AB12", from 0.
std::size_t columnOf(std::string_view reference)
{
    std::size_t column = 0;
    for (const char c : reference) {
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
    }
    return column - 1;
}

// The path of the first worksheet: the workbook names it by a relation, which names its part.
std::string firstSheetPath(const ZipEntries &zip)
{
    std::string relation;
    XmlReader workbook;
    workbook.started = [&](std::string_view name, const char **attributes) {
        if (name == "sheet" && relation.empty())
            if (const char *id = attribute(attributes, "id"))
                relation = id;
    };
    std::string path = "xl/worksheets/sheet1.xml";
    XmlReader relations;
    relations.started = [&](std::string_view name, const char **attributes) {
        const char *id = attribute(attributes, "Id");
        const char *target = attribute(attributes, "Target");
        if (name == "Relationship" && id && target && id == relation)
            path = target[0] == '/' ? std::string(target + 1) : "xl/" + std::string(target);
    };
    if (workbook.parse(zip.read("xl/workbook.xml").value_or("")))
        relations.parse(zip.read("xl/_rels/workbook.xml.rels").value_or(""));
    return path;
}

} // namespace

std::expected<SheetCells, std::string> readXlsxCells(std::string_view bytes)
{
    const ZipEntries zip(bytes);
    if (!zip.opened())
        return std::unexpected(std::string(kNotABook) + "zip形式ではありません");
    const std::optional<std::string> sheetXml = zip.read(firstSheetPath(zip));
    if (!sheetXml)
        return std::unexpected(std::string(kNotABook) + "シートがありません");
    const std::vector<std::string> shared
            = sharedStrings(zip.read("xl/sharedStrings.xml").value_or(""));

    SheetCells cells;
    std::vector<std::string> row;
    std::size_t column = 0;
    std::string type;
    XmlReader sheet;
    sheet.started = [&](std::string_view name, const char **attributes) {
        sheet.text.clear();
        if (name == "row") {
            row.clear();
        } else if (name == "c") {
            const char *reference = attribute(attributes, "r");
            column = reference ? columnOf(reference) : row.size();
            const char *kind = attribute(attributes, "t");
            type = kind ? kind : "n";
        }
    };
    std::string inlineText;
    sheet.ended = [&](std::string_view name) {
        if (name == "t")
            inlineText += sheet.text;
        if (name == "v" || (name == "is" && type == "inlineStr")) {
            std::string value = name == "is" ? unescaped(inlineText) : sheet.text;
            inlineText.clear();
            if (type == "s") {
                std::size_t index = shared.size();
                std::from_chars(value.data(), value.data() + value.size(), index);
                value = index < shared.size() ? shared[index] : std::string();
            } else if (type == "b") {
                value = value == "1" ? "TRUE" : "FALSE";
            } else if (type == "str") {
                value = unescaped(value);
            }
            if (row.size() <= column)
                row.resize(column + 1);
            row[column] = std::move(value);
        }
        if (name == "row" && !std::ranges::all_of(row, &std::string::empty))
            cells.push_back(std::move(row));
    };
    if (!sheet.parse(*sheetXml))
        return std::unexpected(std::string(kNotABook) + "シートのXMLが壊れています");
    return cells;
}

} // namespace tavolin::rename
