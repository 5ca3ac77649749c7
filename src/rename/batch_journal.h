#pragma once

#include "services/file_system.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::rename {

// One file of a batch as its journal keeps it: which file it is, and the names it passes
// through (a temporary name only when it breaks a cycle).
struct JournalFile
{
    services::FileId id;
    std::string oldName;
    std::string temporaryName;
    std::string newName;
};

// What a batch is about to do, written before its first rename.
struct BatchJournal
{
    std::string folder;
    // A batch that takes another back or finishes it: it is not offered to be undone itself.
    bool takesBack = false;
    std::vector<JournalFile> files;
    // For the batch 元に戻す made (takesBack too): the journal of the batch it takes back.
    std::string undoes = {};
};

// The journal as text: a header, a line for the folder, one for the kind ("batch", "takes-back"
// or "undo ID"), one line per file with every name escaped (bytes below 0x21,
// "%", "-" and 0x7F as %XX, an empty name as "-"), and a last line that shows it was written
// whole.
std::string encodeJournal(const BatchJournal &journal);
// None for a text that is not a whole journal.
std::optional<BatchJournal> decodeJournal(std::string_view text);

// The folder of a whole journal, read without the rest.
std::optional<std::string> journalFolder(std::string_view text);

// The tag the journals of `folder` are filed under.
std::string folderTag(std::string_view folder);

} // namespace tavolin::rename
