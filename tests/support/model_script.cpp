#include "support/model_script.h"
#include "support/words.h"

#include <gtest/gtest.h>

#include <ranges>
#include <sstream>

namespace tavolin::test {

ModelControls modelControls(const controls::ControlTable &table)
{
    ModelControls kinds;
    for (const controls::NamedControl &entry : table) {
        const std::string &name = entry.name;
        std::visit(controls::VisitByKind{
                           [&](controls::Button *m) { kinds.buttons.emplace(name, m); },
                           [&](controls::ListBox *m) { kinds.lists.emplace(name, m); },
                           [&](controls::TextBox *m) { kinds.texts.emplace(name, m); },
                           [&](controls::CheckBox *m) { kinds.checks.emplace(name, m); },
                           [&](controls::OptionButton *m) { kinds.options.emplace(name, m); },
                           [&](controls::Label *m) { kinds.labels.emplace(name, m); },
                           [&](controls::ComboBox *m) { kinds.combos.emplace(name, m); },
                           [](auto *) {}, // controls a script does not act on
                   },
                   entry.control);
    }
    return kinds;
}

namespace {

// A disabled or hidden control takes no click and no typing, on the screen as here.
template<typename Control>
Control *reachable(const std::map<std::string, Control *> &kind, const std::string &name)
{
    Control *control = kind.at(name);
    return control->enabled() && control->visible() ? control : nullptr;
}

} // namespace

bool act(const ModelControls &c, std::string_view words)
{
    std::istringstream in{std::string(words)};
    std::string verb, name, value;
    in >> verb >> name;
    std::getline(in >> std::ws, value, '\0');
    if (verb == "click" || verb == "key") {
        // Not on a list that only shows something.
        controls::ListBox *rows = c.lists.contains(name) ? reachable(c.lists, name) : nullptr;
        if (!rows)
            return true;
        int target = verb == "click" ? std::stoi(value) : 0;
        // From no selection every key leads to the first row.
        if (const int at = rows->selectedRow(); verb == "key" && at >= 0)
            target = value == "Up"     ? std::max(at - 1, 0)
                     : value == "Down" ? std::min(at + 1, rows->count() - 1)
                     : value == "End"  ? rows->count() - 1
                                       : 0;
        if (verb == "click" || (rows->count() > 0 && target != rows->selectedRow()))
            rows->clickRow(target);
    } else if (verb == "type") {
        if (controls::TextBox *box = reachable(c.texts, name)) {
            box->setText({}); // the whole text selected and deleted first
            box->setText(value);
        }
    } else if (verb == "press" || (verb == "enter" && c.buttons.contains(name))) {
        if (controls::Button *button = reachable(c.buttons, name))
            button->click();
    } else if (verb == "pick") {
        if (controls::ComboBox *combo = reachable(c.combos, name))
            combo->setSelectedIndex(std::stoi(value));
    } else if (verb == "tick") {
        if (controls::CheckBox *check = reachable(c.checks, name))
            check->setTicked(!check->marked());
    } else if (verb == "choose") {
        if (controls::OptionButton *option = reachable(c.options, name))
            option->setValue(true);
    } else if (verb == "enter") {
        for (const auto &[_, button] : c.buttons) {
            if (button->isDefault()) {
                button->click();
                break;
            }
        }
    } else {
        return false;
    }
    return true;
}

std::vector<std::string> steps(std::string_view script)
{
    std::vector<std::string> steps;
    for (const auto step : std::views::split(script, ';'))
        if (const std::string_view words(step.begin(), step.end()); !words.empty())
            steps.emplace_back(words.substr(words.find_first_not_of(' ')));
    return steps;
}

void play(const ModelControls &controls, std::string_view script)
{
    for (const std::string &step : steps(script))
        EXPECT_TRUE(act(controls, step)) << step;
}

void expectSteps(const ModelControls &controls, StepRows rows, const Look &look)
{
    for (const std::string_view row : rows) {
        const std::size_t arrow = row.find(" => ");
        play(controls, row.substr(0, arrow));
        EXPECT_EQ(look(), row.substr(arrow + 4)) << "after " << row.substr(0, arrow);
    }
}

std::string describe(const ModelControls &c)
{
    std::ostringstream out;
    for (const auto &[name, list] : c.lists)
        out << name << " [" << list->selectedRow() << "] " << rows(*list) << '\n';
    for (const auto &[name, text] : c.texts)
        out << name << ' ' << text->text() << '\n';
    for (const auto &[name, check] : c.checks)
        out << name << ' ' << static_cast<int>(check->value())
            << (check->enabled() ? " on" : " off") << '\n';
    for (const auto &[name, option] : c.options)
        out << name << ' ' << option->value() << (option->enabled() ? " on" : " off") << '\n';
    for (const auto &[name, label] : c.labels)
        out << name << ' ' << label->caption() << '\n';
    for (const auto &[name, combo] : c.combos)
        out << name << ' ' << combo->items().at(static_cast<std::size_t>(combo->selectedIndex()))
            << (combo->enabled() ? " on" : " off") << '\n';
    for (const auto &[name, b] : c.buttons)
        out << name << (b->enabled() ? " on" : " off") << (b->visible() ? " shown" : " hidden")
            << (b->isDefault() ? " default" : "") << '\n';
    return out.str();
}

std::string enabledButtons(const ModelControls &c)
{
    std::string flags;
    for (const auto &[_, button] : c.buttons)
        flags += button->enabled() ? 'E' : '-';
    return flags;
}

std::string rows(const controls::ListBox &list)
{
    return joined(list.rows(), "|");
}

} // namespace tavolin::test
