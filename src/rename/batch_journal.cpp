#include "rename/batch_journal.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace tavolin::rename {

namespace {

constexpr std::string_view kHeader = "tavolin rename journal 1\n";
constexpr std::string_view kEnd = "end\n";
// A file's line begins with how it is known, by FileId::Basis.
constexpr std::string_view kFileKinds[] = {"file", "facts", "content"};

void appendEscaped(std::string &out, std::string_view name)
{
    if (name.empty()) {
        out += '-';
        return;
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '%' || c == '-') {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
}

std::optional<std::string> unescaped(std::string_view word)
{
    if (word == "-")
        return std::string();
    std::string name;
    for (std::size_t at = 0; at < word.size(); ++at) {
        if (word[at] != '%') {
            name += word[at];
            continue;
        }
        unsigned byte = 0;
        if (at + 2 >= word.size()
            || std::from_chars(word.data() + at + 1, word.data() + at + 3, byte, 16).ptr
                       != word.data() + at + 3)
            return std::nullopt;
        name += static_cast<char>(byte);
        at += 2;
    }
    return name;
}

// The next space-separated word of `line`, taken off it.
std::string_view nextWord(std::string_view &line)
{
    const auto end = std::min(line.find(' '), line.size());
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(std::min(end + 1, line.size()));
    return word;
}

bool readNumber(std::string_view word, std::uint64_t &value)
{
    return !word.empty()
           && std::from_chars(word.data(), word.data() + word.size(), value).ptr
                      == word.data() + word.size();
}

} // namespace

std::string encodeJournal(const BatchJournal &journal)
{
    std::string text(kHeader);
    text += "folder ";
    appendEscaped(text, journal.folder);
    if (!journal.undoes.empty()) {
        text += "\nundo ";
        appendEscaped(text, journal.undoes);
        text += '\n';
    } else {
        text += journal.takesBack ? "\ntakes-back\n" : "\nbatch\n";
    }
    text.reserve(text.size() + journal.files.size() * 64);
    for (const JournalFile &file : journal.files) {
        // A file known by its facts or its content (see FileId) has a line of its own kind.
        text += kFileKinds[static_cast<std::size_t>(file.id.basis)];
        text += ' ';
        text += std::to_string(file.id.device) + ' ' + std::to_string(file.id.inode);
        for (const std::string *name : {&file.oldName, &file.temporaryName, &file.newName}) {
            text += ' ';
            appendEscaped(text, *name);
        }
        text += '\n';
    }
    return text += kEnd;
}

std::optional<BatchJournal> decodeJournal(std::string_view text)
{
    if (!text.starts_with(kHeader) || !text.ends_with(kEnd))
        return std::nullopt;
    text.remove_prefix(kHeader.size());
    text.remove_suffix(kEnd.size());
    BatchJournal journal;
    for (int lineNumber = 0; !text.empty(); ++lineNumber) {
        const auto cut = text.find('\n');
        if (cut == std::string_view::npos)
            return std::nullopt;
        std::string_view line = text.substr(0, cut);
        text.remove_prefix(cut + 1);
        const std::string_view kind = nextWord(line);
        if (lineNumber == 0) {
            auto folder = unescaped(line);
            if (kind != "folder" || !folder)
                return std::nullopt;
            journal.folder = std::move(*folder);
        } else if (lineNumber == 1) {
            auto undoes = unescaped(line);
            if ((kind != "batch" && kind != "takes-back" && kind != "undo") || !undoes
                || (kind == "undo") == undoes->empty())
                return std::nullopt;
            journal.takesBack = kind != "batch";
            journal.undoes = std::move(*undoes);
        } else {
            JournalFile file;
            const auto basis = std::ranges::find(kFileKinds, kind);
            file.id.basis = static_cast<services::FileId::Basis>(basis - std::begin(kFileKinds));
            if (basis == std::end(kFileKinds) || !readNumber(nextWord(line), file.id.device)
                || !readNumber(nextWord(line), file.id.inode))
                return std::nullopt;
            for (std::string *name : {&file.oldName, &file.temporaryName, &file.newName}) {
                auto word = unescaped(nextWord(line));
                if (!word)
                    return std::nullopt;
                *name = std::move(*word);
            }
            if (!line.empty() || file.oldName.empty() || file.newName.empty())
                return std::nullopt;
            journal.files.push_back(std::move(file));
        }
    }
    return journal;
}

std::optional<std::string> journalFolder(std::string_view text)
{
    constexpr std::string_view kFolder = "folder ";
    if (!text.starts_with(kHeader) || !text.ends_with(kEnd))
        return std::nullopt;
    text.remove_prefix(kHeader.size());
    if (!text.starts_with(kFolder))
        return std::nullopt;
    text.remove_prefix(kFolder.size());
    return unescaped(text.substr(0, text.find('\n')));
}

std::string folderTag(std::string_view folder)
{
    std::uint64_t hash = 14695981039346656037u; // FNV-1a
    for (const char c : folder)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    char tag[17];
    std::snprintf(tag, sizeof tag, "%016llx", static_cast<unsigned long long>(hash));
    return tag;
}

} // namespace tavolin::rename
