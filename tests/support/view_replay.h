#pragma once

#include "support/model_script.h"

#include <QCoreApplication>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

// A real window beside a bare model, given the same user actions: the window gets real mouse and
// key events on the offscreen platform, the bare model their equivalents (see act()). After each
// step both models must hold the same, and the widgets must show what their model holds.
namespace tavolin::test {

// The child of `window` named `name`; fails the test when there is none.
template<typename Widget = QWidget>
Widget *child(QWidget *window, const std::string &name)
{
    auto *widget = window->findChild<Widget *>(QString::fromStdString(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Saves a picture of `widget` as <build folder>/screenshots/<name>.png, or name@2x.png when
// the screen has twice the pixels.
void saveScreenshot(QWidget *widget, const QString &name);

// Does one action to the widgets of `window`: the words act() knows, and
//   below LIST   a click below the last row     wheel LIST N   the wheel, N notches down
//   tab N        Tab pressed N times (a round of 21 or more passes every list of `names`)
//   backtab N    Shift+Tab pressed N times      shot NAME      a screenshot
// Returns false for words it does not know.
bool actOnWidgets(QWidget *window, const ModelControls &names, std::string_view words);

// Does each action of a script to the widgets of `window`.
void playOnWidgets(QWidget *window, std::string_view script);

// What the widgets of `window` named as in `names` show, written as describe() writes a model.
std::string describeWidgets(QWidget *window, const ModelControls &names);

// Steps a window's test knows beyond those above: done to the window when it is given, else to
// the bare model. Returns false for words it does not know either.
template<typename World>
using ExtraSteps = std::function<bool(std::string_view words, World &world, QWidget *window)>;

// Replays `script` on `window`, which shows `viewed`, and on `bare`. A World has controls()
// and state(): everything else a user's actions can change. `check` may check more after each
// step. Stops at the first step after which a check failed: later ones would only repeat it.
template<typename World>
void replay(std::string_view script,
            World &viewed,
            World &bare,
            QWidget *window,
            const ExtraSteps<World> &extra = {},
            const std::function<void(const std::string &after)> &check = {})
{
    for (const std::string &step : steps(script)) {
        if (!(extra && extra(step, viewed, window))) {
            EXPECT_TRUE(actOnWidgets(window, viewed.controls(), step)) << step;
        }
        if (!(extra && extra(step, bare, nullptr)))
            act(bare.controls(), step);    // only what the view does on its own is unknown to it
        QCoreApplication::processEvents(); // scroll bars and layouts settle a moment later
        EXPECT_EQ(describe(viewed.controls()) + viewed.state(),
                  describe(bare.controls()) + bare.state())
                << "the models after " << step;
        EXPECT_EQ(describeWidgets(window, viewed.controls()), describe(viewed.controls()))
                << "the view after " << step;
        if (check)
            check(step);
        if (::testing::Test::HasFailure())
            return;
    }
}

} // namespace tavolin::test
