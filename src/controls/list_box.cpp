#include "controls/list_box.h"

namespace tavolin::controls {

namespace {
const std::string kNoText;
} // namespace

const std::string &ListBox::text(int index) const
{
    return holds(index) ? m_rows[static_cast<std::size_t>(index)] : kNoText;
}

void ListBox::add(std::string text)
{
    insert(count(), std::move(text));
}

void ListBox::insert(int index, std::string text)
{
    if (index < 0 || index > count())
        index = count();
    aboutToInsert.emit(index);
    m_rows.insert(m_rows.begin() + index, std::move(text));
    if (m_checkable)
        m_checks.insert(m_checks.begin() + index, true);
    rowInserted.emit(index);
    // The selected row keeps its selection and moves down with it.
    if (m_selected >= index)
        moveSelection(m_selected + 1);
}

void ListBox::replace(int index, std::string text)
{
    if (!holds(index) || m_rows[static_cast<std::size_t>(index)] == text)
        return;
    m_rows[static_cast<std::size_t>(index)] = std::move(text);
    rowChanged.emit(index);
}

void ListBox::remove(int index)
{
    if (!holds(index))
        return;
    aboutToRemove.emit(index);
    m_rows.erase(m_rows.begin() + index);
    if (m_checkable)
        m_checks.erase(m_checks.begin() + index);
    rowRemoved.emit(index);
    if (m_selected == index)
        moveSelection(-1);
    else if (m_selected > index)
        moveSelection(m_selected - 1);
}

void ListBox::clear()
{
    assign({});
}

void ListBox::assign(std::vector<std::string> rows)
{
    if (rows != m_rows) {
        aboutToReset.emit();
        m_rows = std::move(rows);
        if (m_checkable)
            m_checks.assign(m_rows.size(), true);
        reset.emit();
    }
    moveSelection(-1);
}

void ListBox::replaceAll(std::vector<std::string> rows)
{
    if (rows.size() != m_rows.size()) {
        assign(std::move(rows));
        return;
    }
    if (rows == m_rows)
        return;
    aboutToReset.emit();
    m_rows = std::move(rows);
    reset.emit();
}

void ListBox::clickRow(int row)
{
    if (!holds(row))
        return;
    moveSelection(row);
    clicked.emit();
}

void ListBox::setSelectedRow(int row)
{
    if (!holds(row)) {
        moveSelection(-1);
        return;
    }
    if (row == m_selected)
        return;
    moveSelection(row);
    clicked.emit();
}

void ListBox::moveSelection(int row)
{
    if (m_selected == row)
        return;
    m_selected = row;
    selectionChanged.emit();
}

void ListBox::setMarks(std::map<int, std::string> marks)
{
    if (marks == m_marks)
        return;
    m_marks = std::move(marks);
    marksChanged.emit();
}

void ListBox::setChangedRows(std::vector<bool> rows)
{
    if (rows == m_changed)
        return;
    m_changed = std::move(rows);
    marksChanged.emit();
}

void ListBox::setNotes(std::map<int, std::string> notes)
{
    if (notes == m_notes)
        return;
    m_notes = std::move(notes);
    marksChanged.emit();
}

bool ListBox::changedRow(int row) const
{
    return row >= 0 && static_cast<std::size_t>(row) < m_changed.size()
           && m_changed[static_cast<std::size_t>(row)];
}

bool ListBox::checked(int row) const
{
    return m_checkable && holds(row) && m_checks[static_cast<std::size_t>(row)];
}

void ListBox::setChecked(int row, bool checked)
{
    if (!m_checkable || !holds(row) || m_checks[static_cast<std::size_t>(row)] == checked)
        return;
    m_checks[static_cast<std::size_t>(row)] = checked;
    checkChanged.emit(row);
}

} // namespace tavolin::controls
