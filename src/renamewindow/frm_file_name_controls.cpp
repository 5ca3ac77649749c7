#include "renamewindow/frm_file_name.h"

// The rename window's controls: all of them by name, with the ones held while work runs, and the
// buttons that take turns as the default.
namespace tavolin::renamewindow {

controls::LongWork FrmFileName::working(std::string_view what)
{
    return controls::LongWork(m_services.progress, what, window, controlTable());
}

void FrmFileName::makeDefault(controls::Button &button)
{
    for (controls::Button *candidate : {&cmdStart, &Command2, &Command4})
        candidate->setDefault(candidate == &button);
}

controls::ControlTable FrmFileName::controlTable()
{
    constexpr auto kStartsWork = controls::ControlRole::StartsWork;
    controls::ControlTable table{{"Text1", &Text1},
                                 {"cmdDialog", &cmdDialog, kStartsWork},
                                 {"Text2", &Text2},
                                 {"Text3", &Text3},
                                 {"Command2", &Command2, kStartsWork},
                                 {"Check1", &Check1},
                                 {"Frame1", &Frame1},
                                 {"List1", &List1},
                                 {"Label1", &Label1},
                                 {"lblStatus", &lblStatus},
                                 {"cmdStart", &cmdStart, kStartsWork},
                                 {"Command6", &Command6, kStartsWork},
                                 {"cmdSheetOut", &cmdSheetOut, kStartsWork},
                                 {"cmdSheetIn", &cmdSheetIn, kStartsWork},
                                 {"cmdPasteSheet", &cmdPasteSheet, kStartsWork},
                                 {"Command1", &Command1, kStartsWork},
                                 {"cmdUndo", &cmdUndo, kStartsWork},
                                 {"Command3", &Command3},
                                 {"cmdEnd", &cmdEnd, kStartsWork},
                                 {"Command5", &Command5, kStartsWork},
                                 {"Frame2", &Frame2},
                                 {"Text4", &Text4},
                                 {"Command4", &Command4, kStartsWork},
                                 {"cboOrder", &cboOrder, kStartsWork},
                                 {"cmdRules", &cmdRules, kStartsWork},
                                 {"cmdHistory", &cmdHistory, kStartsWork}};
    controls::addElements(table, "Option1", Option1);
    controls::addElements(table, "Label2", Label2);
    controls::addElements(table, "List2", List2);
    controls::addElements(table, "List3", List3);
    return table;
}

} // namespace tavolin::renamewindow
