#pragma once

#include "controls/control_table.h"
#include "controls/controls.h"
#include "controls/list_box.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// User actions written as words, done to a window model's controls by the names of the widgets
// that show them, so that a test (or a replay beside the real window) reads as a script.
namespace tavolin::test {

struct ModelControls
{
    std::map<std::string, controls::Button *> buttons;
    std::map<std::string, controls::ListBox *> lists;
    std::map<std::string, controls::TextBox *> texts;
    std::map<std::string, controls::CheckBox *> checks;
    std::map<std::string, controls::OptionButton *> options;
    std::map<std::string, controls::Label *> labels;
    std::map<std::string, controls::ComboBox *> combos;
};

// The controls of a window's table that a script can act on, by kind.
ModelControls modelControls(const controls::ControlTable &table);

// Does one action; false for words it does not know:
//   click LIST ROW   the user clicks a row      key LIST KEY   Up, Down, Home or End in a list
//   type BOX [TEXT]  typed over the whole text  press BUTTON   a click on a button
//   tick CHECK       a click on a check box     enter [NAME]   Enter on a button presses it;
//   pick COMBO N     item N chosen                             elsewhere the default button
//   choose OPTION    a click on an option button
bool act(const ModelControls &controls, std::string_view words);
// The actions of a script, separated by ';'.
std::vector<std::string> steps(std::string_view script);
// Does each action of a script.
void play(const ModelControls &controls, std::string_view script);

// Plays the actions of each row, written "ACTIONS => EXPECTED", and expects `look` to say
// EXPECTED after them.
using StepRows = std::initializer_list<std::string_view>;
using Look = std::function<std::string()>;
void expectSteps(const ModelControls &controls, StepRows rows, const Look &look);

// What the controls hold, one line each, as the widgets are to show it.
std::string describe(const ModelControls &controls);

// One letter per button in name order: E for one enabled, - for one disabled.
std::string enabledButtons(const ModelControls &controls);

// The rows of a list joined by '|'.
std::string rows(const controls::ListBox &list);

} // namespace tavolin::test
