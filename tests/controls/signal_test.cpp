#include "controls/signal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace tavolin::controls {
namespace {

using ::testing::ElementsAre;

TEST(Signal, ListenersConnectedDuringANotificationWaitForTheNext)
{
    Signal<> signal;
    std::vector<std::string> calls;
    std::vector<Connection> added;
    // Each call connects more listeners than there were: the vector of listeners reallocates
    // while the first one runs.
    signal.connect([&] {
        calls.push_back("first");
        for (int i = 0; i < 16; ++i)
            added.push_back(signal.connectScoped([&] { calls.push_back("added"); }));
    });
    signal.emit();
    EXPECT_THAT(calls, ElementsAre("first"));
    calls.clear();
    added.resize(1); // keep one of the sixteen
    signal.emit();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "added"), 1);
}

TEST(Signal, ListenersDisconnectedDuringANotificationAreNotCalledAgain)
{
    Signal<int> signal;
    std::vector<int> calls;
    std::optional<Connection> self, later;
    self = signal.connectScoped([&](int value) {
        calls.push_back(value);
        later.reset();
        self.reset();               // the running listener ends its own connection
        calls.push_back(value + 1); // and still runs to its end
    });
    later = signal.connectScoped([&](int value) { calls.push_back(value * 100); });
    signal.emit(1);
    signal.emit(5);
    EXPECT_THAT(calls, ElementsAre(1, 2));
}

TEST(Signal, NestedNotificationsRunToCompletionInOrder)
{
    Signal<> outer, inner;
    std::vector<std::string> calls;
    outer.connect([&] {
        calls.push_back("outer 1");
        inner.emit();
        calls.push_back("outer 1 end");
    });
    outer.connect([&] { calls.push_back("outer 2"); });
    inner.connect([&] { calls.push_back("inner"); });
    outer.emit();
    EXPECT_THAT(calls, ElementsAre("outer 1", "inner", "outer 1 end", "outer 2"));
}

TEST(Signal, AConnectionOutlivingItsSignalDoesNothing)
{
    Connection connection;
    {
        Signal<> signal;
        connection = signal.connectScoped([] {});
    }
    connection.disconnect();
}

} // namespace
} // namespace tavolin::controls
