// The rules window's steps list: adding, removing, moving and switching off steps.
#include "renamewindow/frm_rules.h"

#include <algorithm>

namespace tavolin::renamewindow {

FrmRules::FrmRules(PlannedColumns columns, const services::Services &services)
    : m_columns(columns)
    , m_services(services)
{
    cmdAddStep.clicked.connect([this] { cmdAddStep_Click(); });
    cmdRemoveStep.clicked.connect([this] { cmdRemoveStep_Click(); });
    cmdStepUp.clicked.connect([this] { cmdStepUp_Click(); });
    cmdStepDown.clicked.connect([this] { cmdStepDown_Click(); });
    cmdRulesOK.clicked.connect([this] { cmdRulesOK_Click(); });
    cmdRulesCancel.clicked.connect([this] { cmdRulesCancel_Click(); });
    lstSteps.clicked.connect([this] { lstSteps_Click(); });
    lstSteps.checkChanged.connect([this](int row) {
        if (m_showing)
            return;
        m_steps[static_cast<std::size_t>(row)].enabled = lstSteps.checked(row);
        m_preview.ask();
    });
    connectSettings();
    cmdRulesOK.setDefault(true);
    showSelectedStep();
}

void FrmRules::connectSettings()
{
    const auto changed = [this] {
        settingsChanged();
    };
    for (controls::TextBox *field : {&txtFind,
                                     &txtReplace,
                                     &txtText,
                                     &txtPosition,
                                     &txtCount,
                                     &txtStart,
                                     &txtStep,
                                     &txtDigits,
                                     &txtSeparator,
                                     &txtPattern})
        field->changed.connect(changed);
    for (controls::CheckBox *box : {&chkRegex, &chkMatchCase, &chkAll})
        box->clicked.connect(changed);
    for (controls::CheckBox &box : chkWidth)
        box.clicked.connect(changed);
    for (controls::ComboBox *box :
         {&cboTarget, &cboCase, &cboForm, &cboCountFrom, &cboPlace, &cboDateSource})
        box->clicked.connect(changed);
}

void FrmRules::cmdAddStep_Click()
{
    m_steps.push_back({rules::newStep(cboStepKind.selectedIndex())});
    m_settingFaults.emplace_back();
    lstSteps.add(rules::describeStep(m_steps.back()));
    lstSteps.setSelectedRow(lstSteps.count() - 1);
    m_preview.ask();
}

void FrmRules::cmdRemoveStep_Click()
{
    const int row = lstSteps.selectedRow();
    if (row < 0)
        return;
    m_steps.erase(m_steps.begin() + row);
    m_settingFaults.erase(m_settingFaults.begin() + row);
    lstSteps.remove(row);
    lstSteps.setSelectedRow(std::min(row, lstSteps.count() - 1));
    showSelectedStep();
    m_preview.ask();
}

void FrmRules::cmdStepUp_Click()
{
    moveSelectedStep(-1);
}

void FrmRules::cmdStepDown_Click()
{
    moveSelectedStep(1);
}

void FrmRules::moveSelectedStep(int by)
{
    const int from = lstSteps.selectedRow();
    const int to = from + by;
    if (from < 0 || to < 0 || to >= lstSteps.count())
        return;
    std::swap(m_steps[static_cast<std::size_t>(from)], m_steps[static_cast<std::size_t>(to)]);
    std::swap(m_settingFaults[static_cast<std::size_t>(from)],
              m_settingFaults[static_cast<std::size_t>(to)]);
    m_showing = true;
    for (const int row : {from, to}) {
        lstSteps.replace(row, rules::describeStep(m_steps[static_cast<std::size_t>(row)]));
        lstSteps.setChecked(row, m_steps[static_cast<std::size_t>(row)].enabled);
    }
    m_showing = false;
    lstSteps.setSelectedRow(to);
    m_preview.ask();
}

void FrmRules::lstSteps_Click()
{
    showSelectedStep();
}

controls::ControlTable FrmRules::controlTable()
{
    controls::ControlTable table{{"lstSteps", &lstSteps},
                                 {"cboStepKind", &cboStepKind},
                                 {"cmdAddStep", &cmdAddStep},
                                 {"cmdRemoveStep", &cmdRemoveStep},
                                 {"cmdStepUp", &cmdStepUp},
                                 {"cmdStepDown", &cmdStepDown},
                                 {"lblTarget", &lblTarget},
                                 {"cboTarget", &cboTarget},
                                 {"lblFind", &lblFind},
                                 {"txtFind", &txtFind},
                                 {"lblReplace", &lblReplace},
                                 {"txtReplace", &txtReplace},
                                 {"chkRegex", &chkRegex},
                                 {"chkMatchCase", &chkMatchCase},
                                 {"chkAll", &chkAll},
                                 {"cboCase", &cboCase},
                                 {"cboForm", &cboForm},
                                 {"cboCountFrom", &cboCountFrom},
                                 {"cboPlace", &cboPlace},
                                 {"lblText", &lblText},
                                 {"txtText", &txtText},
                                 {"lblPosition", &lblPosition},
                                 {"txtPosition", &txtPosition},
                                 {"lblCount", &lblCount},
                                 {"txtCount", &txtCount},
                                 {"lblStart", &lblStart},
                                 {"txtStart", &txtStart},
                                 {"lblStep", &lblStep},
                                 {"txtStep", &txtStep},
                                 {"lblDigits", &lblDigits},
                                 {"txtDigits", &txtDigits},
                                 {"lblSeparator", &lblSeparator},
                                 {"txtSeparator", &txtSeparator},
                                 {"cboDateSource", &cboDateSource},
                                 {"lblPattern", &lblPattern},
                                 {"txtPattern", &txtPattern},
                                 {"lblFault", &lblFault},
                                 {"lblSummary", &lblSummary},
                                 {"cmdRulesOK", &cmdRulesOK},
                                 {"cmdRulesCancel", &cmdRulesCancel}};
    controls::addElements(table, "chkWidth", chkWidth);
    return table;
}

} // namespace tavolin::renamewindow
