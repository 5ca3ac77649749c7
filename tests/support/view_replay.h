#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Comparing a real window with a bare model: the same user actions go to both, one by one, and
// after each the test compares what they hold.
namespace tavolin::test {

// One thing a user does: done to the window when `window` is given, else its equivalent done
// to the bare model of the world.
template<typename World>
struct UserStep
{
    std::string what;
    std::function<void(World &world, QWidget *window)> act;
};

// Runs each step on `viewed` through `window` and on `bare` directly, then calls `check` with
// the step's description. Stops at the first step after which a check failed: the later ones
// would only repeat it.
template<typename World>
void replay(const std::vector<UserStep<World>> &steps,
            World &viewed,
            World &bare,
            QWidget *window,
            const std::function<void(const std::string &after)> &check)
{
    check("opening");
    for (const UserStep<World> &step : steps) {
        step.act(viewed, window);
        step.act(bare, nullptr);
        QCoreApplication::processEvents(); // scroll bars and layouts settle a moment later
        check(step.what);
        if (::testing::Test::HasFailure())
            return;
    }
}

} // namespace tavolin::test
