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
    for (std::size_t i = 0; i < Option1.size(); ++i)
        table.push_back({controls::elementName("Option1", i), &Option1[i]});
    for (std::size_t i = 0; i < Label2.size(); ++i)
        table.push_back({controls::elementName("Label2", i), &Label2[i]});
    for (std::size_t i = 0; i < List2.size(); ++i)
        table.push_back({controls::elementName("List2", i), &List2[i]});
    for (std::size_t i = 0; i < List3.size(); ++i)
        table.push_back({controls::elementName("List3", i), &List3[i]});
    return table;
}

} // namespace tavolin::renamewindow
