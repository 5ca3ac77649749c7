#include "controls/controls.h"
#include "controls/window_state.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace tavolin::controls;

// A change notifies only when the value really changes; a click comes before the redraw (a).
TEST(Controls, WhatEachChangeNotifiesAndInWhichOrder)
{
    Button button("b");
    CheckBox check("c");
    OptionButton option("o");
    TextBox text;
    Label label;
    ComboBox combo({"first", "second"}, "tip");
    WindowState window(1500);
    std::string log;
    const auto on = [&log](auto &signal, char c) {
        signal.connect([&log, c] { log += c; });
    };
    on(button.clicked, 'B'), on(check.clicked, 'C'), on(option.clicked, 'O'), on(text.changed, 'T');
    on(window.pointerChanged, 'P'), on(window.widthChanged, 'W'), on(window.topMostChanged, 'M');
    on(combo.clicked, 'K');
    for (Control *control :
         std::initializer_list<Control *>{&button, &check, &option, &label, &combo})
        on(control->appearanceChanged, 'a');
    const std::pair<std::function<void()>, const char *> steps[] = {
            {[&] { button.click(), button.setEnabled(false), button.click(); }, "Ba"},
            {[&] { button.setEnabled(true), button.setVisible(false), button.click(); }, "aa"},
            {[&] { button.setDefault(true), button.setDefault(true); }, "a"},
            {[&] { check.setTicked(true), check.setTicked(true), check.setTicked(false); }, "CaCa"},
            {[&] { option.setValue(true), option.setValue(true), option.setValue(false); }, "Oaa"},
            {[&] { text.setText("x"), text.setText("x"); }, "T"},
            {[&] { label.setCaption("l"), label.setCaption("l"); }, "a"},
            // An index that is no item's changes nothing.
            {[&] { combo.setSelectedIndex(1), combo.setSelectedIndex(1); }, "Ka"},
            {[&] { combo.setSelectedIndex(2), combo.setSelectedIndex(-1); }, ""},
            {[&] { window.setWidthTwips(1500), window.setWidthTwips(30), window.setTopMost(true); },
             "WM"},
            {[&] { window.setTopMost(true), BusyPointer(window), window.close(); }, "PP"},
            // Held disabled, a button keeps the last enabled state set for its release.
            {[&] { button.setVisible(true), button.holdDisabled(), button.holdDisabled(); }, "aa"},
            {[&] { button.setEnabled(false); }, ""},
            {[&] { button.setEnabled(true), button.releaseDisabled(), button.click(); }, ""},
            {[&] { button.releaseDisabled(), button.click(); }, "aB"},
    };
    for (const auto &[step, expected] : steps) {
        log.clear();
        step();
        EXPECT_EQ(log, expected);
    }
    EXPECT_EQ(window.widthPixels() * 10 + (window.pointer() == MousePointer::Default), 21);
}

// Listeners connected while it notifies wait for the next notification; one disconnected, also
// the running one, is not called again; a nested notification runs to completion first.
TEST(Signal, ListenersChangedWhileItNotifiesAndNestedNotifications)
{
    Signal<int> signal;
    Signal<> inner;
    std::string calls;
    std::vector<Connection> added;
    std::optional<Connection> self, later;
    self = signal.connectScoped([&](int n) {
        calls += "self" + std::to_string(n) + " ";
        later.reset(), self.reset(), inner.emit();
        for (int i = 0; i < 16; ++i) // more than there were: their storage grows meanwhile
            added.push_back(
                    signal.connectScoped([&](int m) { calls += "new" + std::to_string(m) + " "; }));
        calls += "end ";
    });
    later = signal.connectScoped([&](int) { calls += "later "; });
    signal.connect([&](int m) { calls += "kept" + std::to_string(m) + " "; });
    Connection connection = inner.connectScoped([&] { calls += "inner "; });
    signal.emit(1);
    added.resize(1);
    Signal<int> moved = std::move(signal); // keeps its listeners and their connections
    moved.emit(2);
    added.clear();
    moved.emit(3);
    EXPECT_EQ(calls, "self1 inner end kept1 kept2 new2 kept3 ");
    connection = Signal<>().connectScoped([] {}); // a signal gone at once
    connection.disconnect();                      // outlives its signal: does nothing
}
