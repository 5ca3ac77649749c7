#include "platform/list_box.h"

namespace tavolin::platform {

namespace {
const std::string kNoText;
} // namespace

const std::string &ListBox::text(int index) const
{
    return holds(index) ? m_rows[static_cast<std::size_t>(index)] : kNoText;
}

void ListBox::add(std::string text)
{
    m_rows.push_back(std::move(text));
    rowInserted.emit(count() - 1);
}

void ListBox::insert(int index, std::string text)
{
    if (index < 0 || index > count())
        index = count();
    m_rows.insert(m_rows.begin() + index, std::move(text));
    // The selected row keeps its selection and moves down with it.
    if (m_selected >= index)
        ++m_selected;
    rowInserted.emit(index);
    if (m_selected >= index)
        selectionChanged.emit();
}

void ListBox::replace(int index, std::string text)
{
    if (!holds(index))
        return;
    m_rows[static_cast<std::size_t>(index)] = std::move(text);
    rowChanged.emit(index);
}

void ListBox::remove(int index)
{
    if (!holds(index))
        return;
    m_rows.erase(m_rows.begin() + index);
    const int before = m_selected;
    if (m_selected == index)
        m_selected = -1;
    else if (m_selected > index)
        --m_selected;
    rowRemoved.emit(index);
    if (m_selected != before)
        selectionChanged.emit();
}

void ListBox::clear()
{
    assign({});
}

void ListBox::assign(std::vector<std::string> rows)
{
    m_rows = std::move(rows);
    const bool hadSelection = m_selected != -1;
    m_selected = -1;
    reset.emit();
    if (hadSelection)
        selectionChanged.emit();
}

void ListBox::replaceAll(std::vector<std::string> rows)
{
    if (rows.size() != m_rows.size()) {
        assign(std::move(rows));
        return;
    }
    m_rows = std::move(rows);
    reset.emit();
    if (m_selected != -1)
        selectionChanged.emit();
}

void ListBox::clickRow(int row)
{
    if (!holds(row))
        return;
    if (row != m_selected) {
        m_selected = row;
        selectionChanged.emit();
    }
    clicked.emit();
}

void ListBox::setSelectedRow(int row)
{
    if (!holds(row)) {
        dropSelection();
        return;
    }
    if (row == m_selected)
        return;
    m_selected = row;
    selectionChanged.emit();
    clicked.emit();
}

void ListBox::dropSelection()
{
    if (m_selected == -1)
        return;
    m_selected = -1;
    selectionChanged.emit();
}

} // namespace tavolin::platform
