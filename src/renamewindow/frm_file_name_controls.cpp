#include "renamewindow/frm_file_name.h"

// The rename window's controls as groups: all of them by name, the ones held while work runs,
// and the buttons that take turns as the default.
namespace tavolin::renamewindow {

controls::LongWork FrmFileName::working(std::string_view what)
{
    return controls::LongWork(m_services.progress,
                              what,
                              window,
                              {&cmdStart,
                               &cmdDialog,
                               &Command1,
                               &Command2,
                               &Command4,
                               &Command5,
                               &Command6,
                               &cmdUndo,
                               &cmdEnd,
                               &cboOrder,
                               &cmdRules});
}

void FrmFileName::makeDefault(controls::Button &button)
{
    for (controls::Button *candidate : {&cmdStart, &Command2, &Command4})
        candidate->setDefault(candidate == &button);
}

controls::ControlTable FrmFileName::controlTable()
{
    controls::ControlTable table{
            {"Text1", &Text1},         {"cmdDialog", &cmdDialog}, {"Text2", &Text2},
            {"Text3", &Text3},         {"Command2", &Command2},   {"Check1", &Check1},
            {"Frame1", &Frame1},       {"List1", &List1},         {"Label1", &Label1},
            {"lblStatus", &lblStatus}, {"cmdStart", &cmdStart},   {"Command6", &Command6},
            {"Command1", &Command1},   {"cmdUndo", &cmdUndo},     {"Command3", &Command3},
            {"cmdEnd", &cmdEnd},       {"Command5", &Command5},   {"Frame2", &Frame2},
            {"Text4", &Text4},         {"Command4", &Command4},   {"cboOrder", &cboOrder},
            {"cmdRules", &cmdRules}};
    controls::addElements(table, "Option1", Option1);
    controls::addElements(table, "Label2", Label2);
    controls::addElements(table, "List2", List2);
    controls::addElements(table, "List3", List3);
    return table;
}

} // namespace tavolin::renamewindow
