// The main window's control groups: those held during long work, and the table of every control
// by its name.
#include "mainwindow/frm_main.h"

namespace tavolin::mainwindow {

controls::LongWork FrmMain::working(std::string_view what)
{
    return controls::LongWork(m_services.progress,
                              what,
                              window,
                              {&cmdStart,
                               &Command1,
                               &Command2[0],
                               &Command2[1],
                               &Command4,
                               &cmdEnd,
                               &cmdRename,
                               &cmdExport,
                               &cmdCopy,
                               &cboOrder});
}

controls::ControlTable FrmMain::controlTable()
{
    controls::ControlTable table{
            {"Drive1", &Drive1},     {"Dir1", &Dir1},           {"File1", &File1},
            {"Text1", &Text1},       {"txtM", &txtM},           {"Text2", &Text2},
            {"Label1", &Label1},     {"Label2", &Label2},       {"Check1", &Check1},
            {"Check2", &Check2},     {"Check3", &Check3},       {"Check4", &Check4},
            {"Check5", &Check5},     {"Check6", &Check6},       {"cboOrder", &cboOrder},
            {"cmdStart", &cmdStart}, {"Command4", &Command4},   {"Command1", &Command1},
            {"cmdEnd", &cmdEnd},     {"cmdRename", &cmdRename}, {"cmdExport", &cmdExport},
            {"cmdCopy", &cmdCopy}};
    controls::addElements(table, "Command2", Command2);
    return table;
}

} // namespace tavolin::mainwindow
