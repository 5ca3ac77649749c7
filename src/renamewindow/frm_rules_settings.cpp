// The rules window's settings of the selected step: which controls its kind shows, the step put
// into them, and what the user sets there put back into the step.
#include "renamewindow/frm_rules.h"

#include <algorithm>
#include <type_traits>

namespace tavolin::renamewindow {

namespace {

constexpr int kLongestPosition = 9999;
constexpr long long kLargestNumber = 999'999'999'999LL;
constexpr int kWidestNumber = 18;

template<typename Enum>
Enum chosen(const controls::ComboBox &box)
{
    return static_cast<Enum>(box.selectedIndex());
}

template<typename Enum>
void choose(controls::ComboBox &box, Enum value)
{
    box.setSelectedIndex(static_cast<int>(value));
}

// Reads a number field into `value`; keeps the first fault met in `fault`.
template<typename Number>
void readInto(Number &value,
              const controls::TextBox &field,
              long long least,
              long long most,
              std::string &fault)
{
    const auto number = rules::readNumber(field.text(), least, most);
    if (number)
        value = static_cast<Number>(*number);
    else if (fault.empty())
        fault = number.error();
}

} // namespace

std::vector<controls::Control *> FrmRules::settingsOfKind(std::size_t kind)
{
    using namespace rename;
    switch (kind) {
    case rules::kindIndex<ReplaceRule>:
        return {&lblFind, &txtFind, &lblReplace, &txtReplace, &chkRegex, &chkMatchCase, &chkAll};
    case rules::kindIndex<LetterCase>:
        return {&cboCase};
    case rules::kindIndex<WidthStep>: {
        std::vector<controls::Control *> boxes;
        for (controls::CheckBox &box : chkWidth)
            boxes.push_back(&box);
        return boxes;
    }
    case rules::kindIndex<Normalization>:
        return {&cboForm};
    case rules::kindIndex<InsertStep>:
        return {&lblText, &txtText, &lblPosition, &txtPosition, &cboCountFrom};
    case rules::kindIndex<RemoveStep>:
        return {&lblCount, &txtCount, &lblPosition, &txtPosition, &cboCountFrom};
    case rules::kindIndex<NumberingRule>:
        return {&lblStart,
                &txtStart,
                &lblStep,
                &txtStep,
                &lblDigits,
                &txtDigits,
                &cboPlace,
                &lblSeparator,
                &txtSeparator};
    case rules::kindIndex<DateStep>:
        return {&cboDateSource, &lblPattern, &txtPattern, &cboPlace, &lblSeparator, &txtSeparator};
    default: // trim, code page 932 names: nothing to set
        return {};
    }
}

void FrmRules::showSelectedStep()
{
    const int row = lstSteps.selectedRow();
    cmdRemoveStep.setEnabled(row >= 0);
    cmdStepUp.setEnabled(row > 0);
    cmdStepDown.setEnabled(row >= 0 && row + 1 < lstSteps.count());

    std::vector<controls::Control *> shown;
    if (row >= 0)
        shown = settingsOfKind(m_steps[static_cast<std::size_t>(row)].kind.index());
    for (std::size_t kind = 0; kind < rules::kStepKinds.size(); ++kind)
        for (controls::Control *control : settingsOfKind(kind))
            control->setVisible(std::ranges::find(shown, control) != shown.end());
    const bool targeted = row >= 0
                          && !std::holds_alternative<rename::NumberingRule>(
                                  m_steps[static_cast<std::size_t>(row)].kind)
                          && !std::holds_alternative<rename::DateStep>(
                                  m_steps[static_cast<std::size_t>(row)].kind);
    lblTarget.setVisible(targeted);
    cboTarget.setVisible(targeted);
    if (row < 0) {
        lblFault.setCaption({});
        return;
    }

    m_showing = true;
    const rename::NameStep &step = m_steps[static_cast<std::size_t>(row)];
    choose(cboTarget, step.target);
    std::visit(
            [this](const auto &kind) {
                using Kind = std::decay_t<decltype(kind)>;
                if constexpr (std::is_same_v<Kind, rename::ReplaceRule>) {
                    txtFind.setText(kind.find);
                    txtReplace.setText(kind.replacement);
                    chkRegex.setTicked(kind.regularExpression);
                    chkMatchCase.setTicked(kind.matchCase);
                    chkAll.setTicked(kind.all);
                } else if constexpr (std::is_same_v<Kind, rename::LetterCase>) {
                    choose(cboCase, kind);
                } else if constexpr (std::is_same_v<Kind, rename::WidthStep>) {
                    for (std::size_t i = 0; i < chkWidth.size(); ++i)
                        chkWidth[i].setTicked(
                                std::ranges::find(kind.changes, static_cast<rename::WidthChange>(i))
                                != kind.changes.end());
                } else if constexpr (std::is_same_v<Kind, rename::Normalization>) {
                    choose(cboForm, kind);
                } else if constexpr (std::is_same_v<Kind, rename::InsertStep>) {
                    txtText.setText(kind.text);
                    txtPosition.setText(std::to_string(kind.at));
                    choose(cboCountFrom, kind.from);
                } else if constexpr (std::is_same_v<Kind, rename::RemoveStep>) {
                    txtCount.setText(std::to_string(kind.count));
                    txtPosition.setText(std::to_string(kind.at));
                    choose(cboCountFrom, kind.from);
                } else if constexpr (std::is_same_v<Kind, rename::NumberingRule>) {
                    txtStart.setText(std::to_string(kind.start));
                    txtStep.setText(std::to_string(kind.step));
                    txtDigits.setText(std::to_string(kind.width));
                    choose(cboPlace, kind.place);
                    txtSeparator.setText(kind.separator);
                } else if constexpr (std::is_same_v<Kind, rename::DateStep>) {
                    choose(cboDateSource, kind.source);
                    txtPattern.setText(kind.pattern);
                    choose(cboPlace, kind.place);
                    txtSeparator.setText(kind.separator);
                }
            },
            step.kind);
    m_showing = false;
    showFault();
}

void FrmRules::settingsChanged()
{
    const int row = lstSteps.selectedRow();
    if (m_showing || row < 0)
        return;
    rename::NameStep &step = m_steps[static_cast<std::size_t>(row)];
    step.target = chosen<rename::StepTarget>(cboTarget);
    std::string fault;
    std::visit(
            [&](auto &kind) {
                using Kind = std::decay_t<decltype(kind)>;
                if constexpr (std::is_same_v<Kind, rename::ReplaceRule>) {
                    kind = {std::string(txtFind.text()),
                            std::string(txtReplace.text()),
                            chkRegex.marked(),
                            chkMatchCase.marked(),
                            chkAll.marked()};
                } else if constexpr (std::is_same_v<Kind, rename::LetterCase>) {
                    kind = chosen<rename::LetterCase>(cboCase);
                } else if constexpr (std::is_same_v<Kind, rename::WidthStep>) {
                    kind.changes.clear();
                    for (std::size_t i = 0; i < chkWidth.size(); ++i)
                        if (chkWidth[i].marked())
                            kind.changes.push_back(static_cast<rename::WidthChange>(i));
                } else if constexpr (std::is_same_v<Kind, rename::Normalization>) {
                    kind = chosen<rename::Normalization>(cboForm);
                } else if constexpr (std::is_same_v<Kind, rename::InsertStep>) {
                    kind.text = txtText.text();
                    readInto(kind.at, txtPosition, 0, kLongestPosition, fault);
                    kind.from = chosen<rename::CountFrom>(cboCountFrom);
                } else if constexpr (std::is_same_v<Kind, rename::RemoveStep>) {
                    readInto(kind.count, txtCount, 1, kLongestPosition, fault);
                    readInto(kind.at, txtPosition, 0, kLongestPosition, fault);
                    kind.from = chosen<rename::CountFrom>(cboCountFrom);
                } else if constexpr (std::is_same_v<Kind, rename::NumberingRule>) {
                    readInto(kind.start, txtStart, -kLargestNumber, kLargestNumber, fault);
                    readInto(kind.step, txtStep, -kLargestNumber, kLargestNumber, fault);
                    readInto(kind.width, txtDigits, 0, kWidestNumber, fault);
                    kind.place = chosen<rename::Place>(cboPlace);
                    kind.separator = txtSeparator.text();
                } else if constexpr (std::is_same_v<Kind, rename::DateStep>) {
                    kind.source = chosen<rename::DateSource>(cboDateSource);
                    kind.pattern = txtPattern.text();
                    kind.place = chosen<rename::Place>(cboPlace);
                    kind.separator = txtSeparator.text();
                }
            },
            step.kind);
    m_settingFaults[static_cast<std::size_t>(row)] = std::move(fault);
    lstSteps.replace(row, rules::describeStep(step));
    m_preview.ask();
}

void FrmRules::showFault()
{
    const int row = lstSteps.selectedRow();
    std::string fault;
    if (row >= 0) {
        const auto index = static_cast<std::size_t>(row);
        fault = m_settingFaults[index];
        if (fault.empty() && index < m_lastFaults.size())
            fault = m_lastFaults[index];
    }
    lblFault.setCaption(std::move(fault));
}

} // namespace tavolin::renamewindow
