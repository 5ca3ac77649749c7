#pragma once

#include "support/model_script.h"
#include "support/window_worlds.h"

#include <QTest>

#include <gtest/gtest.h>

#include <array>

// Real windows given real mouse and key events on the offscreen platform, and beside one a bare
// model given the same user actions (see act()). After each step both models must hold the same,
// and the widgets must show what their model holds.
namespace tavolin::test {

// The child of `window` named `name`; fails the test when there is none.
template<typename Widget = QWidget>
Widget *child(QWidget *window, const std::string &name)
{
    auto *widget = window->findChild<Widget *>(QString::fromStdString(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// A step cut into its verb, the name after it and the rest.
std::array<std::string, 3> split(std::string_view step);

// Does each action of `script` to the widgets of `window`: the words act() knows, and
//   below LIST        a click below the last row    scroll LIST N  the wheel, N notches down
//   tab A B ...       Tab pressed once for each name, landing on the widget so named
//   backtab A B ...   the same with Shift+Tab
//   shot NAME         a screenshot, <build folder>/screenshots/NAME.png (NAME@2x.png at double
//   scale)
void playOnWidgets(QWidget *window, std::string_view script);

// Saves `picture` as the screenshot NAME (see playOnWidgets).
void saveShot(const QPixmap &picture, const std::string &name, qreal scale = 1);

// What the fakes hold that a user's actions change: the module, the exits, the messages shown and
// the text files.
std::string fakesState(const Fakes &fakes);

// What the widgets of `window` named as in `names` show, written as describe() writes a model.
std::string describeWidgets(QWidget *window, const ModelControls &names);

// Replays `script` on `window`, which shows `viewed`, and on `bare`. A World has Fakes, controls()
// and state(): what else a user's actions can change. `extra` may do a step itself, to the
// window when it is given, else to the bare model, and say so; `check` checks more after each
// step. Stops at the first step after which a check failed: later ones would only repeat it.
template<typename World>
void replay(std::string_view script,
            World &viewed,
            World &bare,
            QWidget *window,
            const std::function<bool(std::string_view step, World &, QWidget *)> &extra,
            const std::function<void(const std::string &after)> &check)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const std::string &step : steps(script)) {
        if (!extra(step, viewed, window))
            playOnWidgets(window, step);
        if (!extra(step, bare, nullptr))
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

} // namespace tavolin::test
