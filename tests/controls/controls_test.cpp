#include "controls/controls.h"
#include "controls/window_state.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace tavolin::controls;

// A change notifies only when the value really changes; a click comes before the redraw.
TEST(Controls, WhatEachChangeNotifiesAndInWhichOrder)
{
    Button button("b");
    CheckBox check("c");
    OptionButton option("o");
    TextBox text;
    Label label;
    WindowState window(1500);
    std::string log;
    const auto note = [&log](char c) {
        return [&log, c] {
            log += c;
        };
    };
    button.clicked.connect(note('B'));
    check.clicked.connect(note('C'));
    option.clicked.connect(note('O'));
    text.changed.connect(note('T'));
    for (Control *control : std::initializer_list<Control *>{&button, &check, &option, &label})
        control->appearanceChanged.connect(note('a'));
    window.pointerChanged.connect(note('P'));
    window.widthChanged.connect(note('W'));
    window.topMostChanged.connect(note('M'));
    const std::pair<std::function<void()>, const char *> steps[] = {
            {[&] { button.click(); }, "B"},
            {[&] { button.setEnabled(false); }, "a"},
            {[&] { button.click(); }, ""},
            {[&] { button.setEnabled(true), button.setVisible(false); }, "aa"},
            {[&] { button.click(), button.setVisible(false); }, ""},
            {[&] { button.setDefault(true), button.setDefault(true); }, "a"},
            {[&] { check.setValue(1), check.setValue(1); }, "Ca"},
            {[&] { check.setValue(2), check.setValue(0); }, "CaCa"},
            {[&] { option.setValue(true), option.setValue(true); }, "Oa"},
            {[&] { option.setValue(false); }, "a"},
            {[&] { text.setText("x"), text.setText("x"); }, "T"},
            {[&] { label.setCaption("l"), label.setCaption("l"); }, "a"},
            {[&] { window.setWidthTwips(1500), window.setWidthTwips(30); }, "W"},
            {[&] { window.setTopMost(true), window.setTopMost(true); }, "M"},
            {[&] { BusyPointer busy(window); }, "PP"},
    };
    for (const auto &[step, expected] : steps) {
        log.clear();
        step();
        EXPECT_EQ(log, expected);
    }
    EXPECT_EQ(window.widthPixels(), 2);
    EXPECT_EQ(window.pointer(), MousePointer::Default);
    EXPECT_TRUE(option.enabled() && text.visible());
}

} // namespace
