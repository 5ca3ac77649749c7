#pragma once
// Replaying a user's actions on a window and on a bare model side by side, and comparing what
// the two models hold with what the widgets show.
#include "controls/qt/large_text_edit.h"
#include "support/window_worlds.h"
#include "text/qt/qt_strings.h"
#include "widget_steps.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTest>

#include <sstream>

namespace tavolin {

// What the fakes hold that a user's actions change: the module, the exits, the messages shown and
// the text files.
inline std::string fakesState(const test::Fakes &fakes)
{
    const Module1 &m = fakes.module;
    std::ostringstream out;
    out << m.strMainPath << '|' << m.strRenamePath << '|' << static_cast<int>(m.flgFileName) << '|'
        << m.intNameRow << '|' << m.intExtRow << "\nexits " << fakes.process.exits << '\n'
        << ::testing::PrintToString(fakes.dialogs.messageTexts()) << '\n'
        << ::testing::PrintToString(fakes.textFiles.files);
    return out.str();
}

// What the widgets of `window` named as in `names` show, written as test::describe() writes a
// model.
inline std::string describeWidgets(QWidget *window, const test::ModelControls &names)
{
    std::ostringstream out;
    for (const auto &[name, _] : names.lists) {
        auto *view = child<QAbstractItemView>(window, name);
        const QModelIndexList selected = view->selectionModel()->selectedIndexes();
        const int row = selected.size() == 1 ? selected[0].row() : -1 - selected.size();
        const int current = view->currentIndex().row(); // where the keyboard goes on from
        out << name << " [" << row << (current != row ? '/' + std::to_string(current) : "") << "] ";
        for (int i = 0; i < view->model()->rowCount(); ++i)
            out << (i > 0 ? "|" : "")
                << text::fromQString(view->model()->index(i, 0).data().toString());
        out << '\n';
    }
    for (const auto &[name, _] : names.texts) { // a line, or lines as the model holds them
        QWidget *box = child(window, name);
        const auto *lines = dynamic_cast<controls::LargeTextEdit *>(box);
        out << name << ' '
            << (lines ? lines->text() : text::fromQString(box->property("text").toString()))
            << '\n';
    }
    for (const auto &[name, _] : names.checks) { // 0, 1, or 2 for grayed
        const auto *box = child<QCheckBox>(window, name);
        out << name << ' ' << "021"[box->checkState()] << (box->isEnabled() ? " on" : " off")
            << '\n';
    }
    for (const auto &[name, _] : names.options) {
        const auto *option = child<QRadioButton>(window, name);
        out << name << ' ' << option->isChecked() << (option->isEnabled() ? " on" : " off") << '\n';
    }
    for (const auto &[name, _] : names.labels)
        out << name << ' ' << text::fromQString(child(window, name)->property("text").toString())
            << '\n';
    for (const auto &[name, _] : names.combos) {
        const auto *combo = child<QComboBox>(window, name);
        out << name << ' ' << text::fromQString(combo->currentText())
            << (combo->isEnabled() ? " on" : " off") << '\n';
    }
    for (const auto &[name, _] : names.buttons) {
        const QWidget *b = child(window, name);
        out << name << (b->isEnabled() ? " on" : " off")
            << (b->isVisibleTo(window) ? " shown" : " hidden")
            << (b->property("default").toBool() ? " default" : "") << '\n';
    }
    return out.str();
}

// Replays `script` on `window`, which shows `viewed`, and on `bare`. A World has Fakes, controls()
// and state(): what else a user's actions can change; its doesItself() may do a step itself, to
// the window when it is given, else to the bare model, and say so. After each step both models
// must hold the same, the widgets must show what their model holds, and `check` checks more.
// Stops at the first step after which a check failed: later ones would only repeat it.
template<typename World>
void replay(std::string_view script, World &viewed, World &bare, QWidget *window, auto check)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const std::string &step : test::steps(script)) {
        if (!viewed.doesItself(step, window))
            playOnWidgets(window, step);
        if (!bare.doesItself(step, nullptr))
            act(bare.controls(), step);    // only what the view does on its own is unknown to it
        QCoreApplication::processEvents(); // scroll bars and layouts settle a moment later
        EXPECT_EQ(describe(viewed.controls()) + fakesState(viewed) + viewed.state(),
                  describe(bare.controls()) + fakesState(bare) + bare.state())
                << "the models after " << step;
        EXPECT_EQ(describeWidgets(window, viewed.controls()), describe(viewed.controls()))
                << "the view after " << step;
        check(step);
        if (::testing::Test::HasFailure())
            return;
    }
}

} // namespace tavolin
