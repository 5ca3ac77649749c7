#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tavolin::controls {

// The user's edits of a text, to undo and redo them. An edit replaced the bytes `removed` at
// `at` by the bytes `inserted`. Characters typed one after another make one edit.
class EditHistory
{
public:
    struct Edit
    {
        std::size_t at = 0;
        std::string removed;
        std::string inserted;

        friend bool operator==(const Edit &, const Edit &) = default;
    };

    // A new edit, made after those that can be undone: those that were undone are forgotten.
    // `typed` says it is one typed character, which joins the typed characters just before it.
    void record(Edit edit, bool typed);
    // No more undoing or redoing: the text changed otherwise.
    void clear();

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_edits.size(); }

    // The edit that undoes the last edit made (its `removed` bytes become its `inserted`), which
    // becomes the next to redo. Only when canUndo().
    Edit undo();
    // The edit last undone, to be made again. Only when canRedo().
    Edit redo();

private:
    std::vector<Edit> m_edits;
    std::size_t m_done = 0; // the edits made, before those undone
    bool m_typing = false;  // whether the last edit made is typed characters
};

} // namespace tavolin::controls
