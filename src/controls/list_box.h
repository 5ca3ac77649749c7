#pragma once

#include "controls/controls.h"

#include <map>
#include <string>
#include <vector>

namespace tavolin::controls {

// A list box: rows of text in the order they were added (it never sorts), and at most one
// selected row. Rows are numbered from 0; "no selection" is row -1.
//
// `clicked` runs when the selection moves to another row, whether the user or the program
// moved it, and whenever the user clicks a row; the program's setting of the row that is already
// selected runs nothing, and neither does losing the selection (by clearing, by removing the
// selected row, or by selecting a row the list lacks).
//
// For the view, every notification runs synchronously and only when something really changed,
// in this order:
// 1. a change of the rows is announced before it is made and again after it, each pair
//    referring to the rows as they are at that moment: `aboutToInsert(row)` then
//    `rowInserted(row)` (the new row's number), `aboutToRemove(row)` then `rowRemoved(row)`
//    (the removed row's number before the removal), `aboutToReset()` then `reset()` around
//    any other change of the rows (clear, assign, replaceAll); `rowChanged(row)` after one
//    row's text changed in place. Listeners must not change the list between the two
//    announcements of a pair;
// 2. then `selectionChanged()` if the selected row's number changed (a row inserted or removed
//    above it moves it, losing it sets -1);
// 3. then `clicked()` when the selection moved to another row by setSelectedRow, or on every
//    clickRow;
// `checkChanged(row)` runs alone, after a check box really changed.
// A listener of 2 or 3 may change this or other lists; those notifications then run nested, to
// completion, before the outer one continues.
class ListBox : public Control
{
public:
    // A list whose rows each carry a check box, ticked when the row is added.
    enum class Checks { None, PerRow };
    explicit ListBox(Checks checks = Checks::None)
        : m_checkable(checks == Checks::PerRow)
    {}

    int count() const { return static_cast<int>(m_rows.size()); }
    const std::vector<std::string> &rows() const { return m_rows; }

    // The text of row `index`; empty for a row the list lacks.
    const std::string &text(int index) const;

    void add(std::string text);
    // A row number outside 0 to count() adds the row at the end.
    void insert(int index, std::string text);
    void replace(int index, std::string text);
    void remove(int index);
    void clear();
    // Replaces every row at once; the selection is lost.
    void assign(std::vector<std::string> rows);
    // Replaces the texts of every row at once, keeping the number of rows and the selection.
    void replaceAll(std::vector<std::string> rows);

    int selectedRow() const { return m_selected; }
    const std::string &selectedText() const { return text(m_selected); }

    // Selects `row`; a row the list lacks (also -1) leaves it without selection.
    void setSelectedRow(int row);

    // The user clicked `row` (or moved to it with the keyboard): it is selected, and `clicked`
    // runs even when it was selected already.
    void clickRow(int row);

    // Rows marked as having a problem, each with why, for the view to show; `marksChanged` runs
    // when the marks change. Changing the rows does not touch them.
    void setMarks(std::map<int, std::string> marks);
    const std::map<int, std::string> &marks() const { return m_marks; }
    // Rows marked as changed by what the user is trying out, shown apart from the others;
    // `marksChanged` runs when they change. Rows beyond the vector are not changed.
    void setChangedRows(std::vector<bool> rows);
    bool changedRow(int row) const;
    // Rows with a note that is no problem (how a planned name was made), each with its text, for
    // the view to show with the row; `marksChanged` runs when they change.
    void setNotes(std::map<int, std::string> notes);
    const std::map<int, std::string> &notes() const { return m_notes; }

    bool checkable() const { return m_checkable; }
    // The check box of `row`; false for a row the list lacks or a list without check boxes.
    bool checked(int row) const;
    void setChecked(int row, bool checked);

    Signal<> clicked;
    Signal<int> aboutToInsert;
    Signal<int> rowInserted;
    Signal<int> aboutToRemove;
    Signal<int> rowRemoved;
    Signal<> aboutToReset;
    Signal<> reset;
    Signal<int> rowChanged;
    Signal<> selectionChanged;
    Signal<> marksChanged;
    Signal<int> checkChanged;

private:
    bool holds(int index) const { return index >= 0 && index < count(); }
    void moveSelection(int row);

    std::vector<std::string> m_rows;
    int m_selected = -1;
    std::map<int, std::string> m_marks;
    std::vector<bool> m_changed;
    std::map<int, std::string> m_notes;
    bool m_checkable = false;
    std::vector<bool> m_checks; // one per row in a list with check boxes
};

} // namespace tavolin::controls
