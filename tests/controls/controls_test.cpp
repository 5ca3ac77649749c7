#include "controls/controls.h"
#include "controls/window_state.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

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
    on(button.clicked, 'B');
    on(check.clicked, 'C');
    on(option.clicked, 'O');
    on(text.changed, 'T');
    on(window.pointerChanged, 'P');
    on(window.widthChanged, 'W');
    on(window.topMostChanged, 'M');
    on(combo.clicked, 'K');
    for (Control *control :
         std::initializer_list<Control *>{&button, &check, &option, &label, &combo})
        on(control->appearanceChanged, 'a');
    const std::pair<std::function<void()>, const char *> steps[] = {
            {[&] { button.click(); }, "B"},
            {[&] { button.setEnabled(false); }, "a"},
            {[&] { button.click(); }, ""},
            {[&] { button.setEnabled(true); }, "a"},
            {[&] { button.setVisible(false); }, "a"},
            {[&] { button.click(); }, ""},
            {[&] { button.setDefault(true); }, "a"},
            {[&] { button.setDefault(true); }, ""},
            {[&] { check.setTicked(true); }, "Ca"},
            {[&] { check.setTicked(true); }, ""},
            {[&] { check.setTicked(false); }, "Ca"},
            {[&] { option.setValue(true); }, "Oa"},
            {[&] { option.setValue(true); }, ""},
            {[&] { option.setValue(false); }, "a"},
            {[&] { text.setText("x"); }, "T"},
            {[&] { text.setText("x"); }, ""},
            {[&] { label.setCaption("l"); }, "a"},
            {[&] { label.setCaption("l"); }, ""},
            {[&] { combo.setSelectedIndex(1); }, "Ka"},
            {[&] { combo.setSelectedIndex(1); }, ""},
            // An index that is no item's changes nothing.
            {[&] { combo.setSelectedIndex(2); }, ""},
            {[&] { combo.setSelectedIndex(-1); }, ""},
            // The first item again.
            {[&] { combo.setSelectedIndex(0); }, "Ka"},
            {[&] { window.setWidthTwips(1500); }, ""},
            {[&] { window.setWidthTwips(30); }, "W"},
            {[&] { window.setTopMost(true); }, "M"},
            {[&] { window.setTopMost(true); }, ""},
            {[&] { BusyPointer busy(window); }, "PP"},
            {[&] { window.close(); }, ""},
            // Held disabled twice, a button keeps the last enabled state set for its release.
            {[&] { button.setVisible(true); }, "a"},
            {[&] { button.holdDisabled(); }, "a"},
            {[&] { button.holdDisabled(); }, ""},
            {[&] { button.setEnabled(false); }, ""},
            {[&] { button.setEnabled(true); }, ""},
            {[&] { button.releaseDisabled(); }, ""},
            {[&] { button.click(); }, ""},
            {[&] { button.releaseDisabled(); }, "a"},
            {[&] { button.click(); }, "B"},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        log.clear();
        steps[i].first();
        EXPECT_EQ(log, steps[i].second) << "step " << i;
    }
    EXPECT_FALSE(button.held());        // released as often as held
    EXPECT_EQ(window.widthPixels(), 2); // 30 twips at 15 twips a pixel
    EXPECT_EQ(window.pointer(), MousePointer::Default);
}

// A splice as "at-removed+inserted".
static std::string said(TextSplice s)
{
    return std::to_string(s.at) + "-" + std::to_string(s.removed) + "+"
           + std::to_string(s.inserted);
}

// Each change of a text says what it changed, before the handlers run, and only when the text
// really changes; a handler's change is told in full before the next listener's turn.
TEST(TextBox, EachChangeTellsItsSpliceFirst)
{
    TextBox text("ab");
    std::string log;
    text.spliced.connect([&](TextSplice s) { log += said(s) + " "; });
    text.changed.connect([&] {
        if (text.text() == "abc!")
            text.append("?"); // a handler's own change
        log += "T:" + std::string(text.text()) + " ";
    });
    const std::pair<std::function<void()>, const char *> steps[] = {
            {[&] { text.append("c"); }, "2-0+1 T:abc "},
            {[&] { text.append(""); }, ""},
            {[&] { text.cutTo(5); }, ""},
            {[&] { text.setText("abc"); }, ""},
            {[&] { text.setText("aXc"); }, "1-2+2 T:aXc "},
            {[&] { text.replace(1, 1, "b"); }, "1-1+1 T:abc "},
            {[&] { text.replace(1, 1, "b"); }, ""},
            {[&] { text.replace(9, 3, "!"); }, "3-0+1 4-0+1 T:abc!? T:abc!? "},
            {[&] { text.cutTo(1); }, "1-4+0 T:a "},
            {[&] { text.setText(""); }, "0-1+0 T: "},
    };
    for (const auto &[step, expected] : steps) {
        log.clear();
        step();
        EXPECT_EQ(log, expected);
    }
}

// A kept text stays as it was whatever the box does next. The box shares its bytes with the
// keepers while it only extends them, shows a kept text in their bytes, and copies them only to
// change kept ones.
TEST(TextBox, AKeptTextStaysAsItWasAndSharesTheBytesWhileTheyGrow)
{
    TextBox text("ab");
    std::vector<tavolin::text::TextPrefix> kept;
    std::string log;
    text.spliced.connect([&](TextSplice s) { log = said(s); });
    // Each step: what the box shows after it, its splice, whether it shows the last kept bytes.
    const std::tuple<std::function<void()>, const char *, const char *, bool> steps[] = {
            {[&] { kept.push_back(text.keep()); }, "ab", "", true},
            {[&] { text.append("cd"); }, "abcd", "2-0+2", true},
            {[&] { kept.push_back(text.keep()); }, "abcd", "", true},
            {[&] { text.setKeptText(kept[0]); }, "ab", "2-2+0", true},
            {[&] { text.setKeptText(kept[1]); }, "abcd", "2-0+2", true},
            {[&] { text.append("e"); }, "abcde", "4-0+1", true},
            {[&] { text.cutTo(3); }, "abc", "3-2+0", false},
            {[&] { text.setKeptText(kept[0]); }, "ab", "2-1+0", true},
            {[&] { text.appendPieces([](const auto &put) { put("X"); }); }, "abX", "2-0+1", false},
            {[&] { kept.push_back(text.keep()); }, "abX", "", true},
            {[&] { text.setText("abY"); }, "abY", "2-1+1", false},
            {[&] { text.setKeptText(kept[2]); }, "abX", "2-1+1", true},
            {[&] { kept.clear(); }, "abX", "", true},
            {[&] { text.replace(0, 1, "Z"); }, "ZbX", "0-1+1", false}, // its own now
    };
    for (const auto &[step, shown, splice, sharesKept] : steps) {
        log.clear();
        step();
        EXPECT_EQ(text.text(), shown);
        EXPECT_EQ(log, splice) << shown;
        if (!kept.empty()) {
            EXPECT_EQ(kept.back().view().data() == text.text().data(), sharesKept) << shown;
            EXPECT_EQ(kept[0].view(), "ab");
        }
    }
    kept = {text.keep()};
    text.setText("Q");
    EXPECT_EQ(kept[0].view(), "ZbX");
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
        later.reset();
        self.reset();
        inner.emit();
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
