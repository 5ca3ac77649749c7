// The rename window's extension table: a pair chosen and edited, and the table put on the
// planned extensions.
#include "renamewindow/frm_file_name.h"

#include "renamewindow/extension_pairs.h"

namespace tavolin::renamewindow {

void FrmFileName::List3_Click(int index)
{
    controls::ListBox &clicked = List3[static_cast<std::size_t>(index)];
    if (index == 0 && clicked.selectedText().empty()) {
        makeDefault(cmdStart);
        return;
    }
    // The two lists are read as pairs: the other one selects the same row.
    const int row = clicked.selectedRow();
    Text4.setText(clicked.selectedText());
    Text4.setFocus();
    m_module.intExtRow = row;
    List3[static_cast<std::size_t>(1 - index)].setSelectedRow(row);
}

void FrmFileName::Command4_Click()
{
    if (List3[0].selectedText().empty() || Text4.text().empty())
        return;
    List3[1].remove(List3[1].selectedRow());
    List3[1].insert(m_module.intExtRow, std::string(Text4.text()));
    List3[1].setSelectedRow(m_module.intExtRow);
}

void FrmFileName::Command5_Click()
{
    controls::BusyPointer busy(window);
    std::vector<std::string> extensions = List2[1].rows();
    if (applyExtensionPairs(extensions, List3[0].rows(), List3[1].rows()))
        List2[1].replaceAll(std::move(extensions));
}

} // namespace tavolin::renamewindow
