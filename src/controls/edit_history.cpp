#include "controls/edit_history.h"

#include <utility>

namespace tavolin::controls {

void EditHistory::record(Edit edit, bool typed)
{
    m_edits.resize(m_done);
    if (typed && m_typing && edit.removed.empty()) {
        Edit &last = m_edits.back();
        if (last.at + last.inserted.size() == edit.at) {
            last.inserted += edit.inserted;
            return;
        }
    }
    m_edits.push_back(std::move(edit));
    m_done = m_edits.size();
    m_typing = typed;
}

void EditHistory::clear()
{
    m_edits.clear();
    m_done = 0;
    m_typing = false;
}

EditHistory::Edit EditHistory::undo()
{
    m_typing = false;
    const Edit &done = m_edits[--m_done];
    return {done.at, done.inserted, done.removed};
}

EditHistory::Edit EditHistory::redo()
{
    m_typing = false;
    return m_edits[m_done++];
}

} // namespace tavolin::controls
