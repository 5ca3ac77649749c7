// The main window's controls: the table of every control by its name, with those held during
// long work.
#include "mainwindow/frm_main.h"

namespace tavolin::mainwindow {

controls::LongWork FrmMain::working(std::string_view what)
{
    return controls::LongWork(m_services.progress, what, window, controlTable());
}

controls::ControlTable FrmMain::controlTable()
{
    constexpr auto kStartsWork = controls::ControlRole::StartsWork;
    controls::ControlTable table{{"Drive1", &Drive1},
                                 {"Dir1", &Dir1},
                                 {"File1", &File1},
                                 {"Text1", &Text1},
                                 {"txtM", &txtM},
                                 {"Text2", &Text2},
                                 {"Label1", &Label1},
                                 {"Label2", &Label2},
                                 {"Check1", &Check1},
                                 {"Check2", &Check2},
                                 {"Check3", &Check3},
                                 {"Check4", &Check4},
                                 {"Check5", &Check5},
                                 {"Check6", &Check6},
                                 {"cboOrder", &cboOrder, kStartsWork},
                                 {"cmdStart", &cmdStart, kStartsWork},
                                 {"Command4", &Command4, kStartsWork},
                                 {"Command1", &Command1, kStartsWork},
                                 {"cmdEnd", &cmdEnd, kStartsWork},
                                 {"cmdRename", &cmdRename, kStartsWork},
                                 {"cmdHistory", &cmdHistory, kStartsWork},
                                 {"cmdExport", &cmdExport, kStartsWork},
                                 {"cmdCopy", &cmdCopy, kStartsWork}};
    controls::addElements(table, "Command2", Command2, kStartsWork);
    return table;
}

} // namespace tavolin::mainwindow
