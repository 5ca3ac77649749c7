#include "controls/signal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace tavolin::controls;

TEST(Signal, ListenersConnectedOrDisconnectedWhileItNotifies)
{
    Signal<int> signal;
    std::string calls;
    std::vector<Connection> added;
    std::optional<Connection> self, later;
    self = signal.connectScoped([&](int n) {
        calls += "self" + std::to_string(n);
        later.reset(); // not called any more, also not by this notification
        self.reset();  // ends its own connection and still runs to its end
        // more listeners than there were: their storage grows while this one runs
        for (int i = 0; i < 16; ++i)
            added.push_back(
                    signal.connectScoped([&](int m) { calls += " added" + std::to_string(m); }));
        calls += " end";
    });
    later = signal.connectScoped([&](int) { calls += " later"; });
    signal.connect([&](int m) { calls += " kept" + std::to_string(m); });
    signal.emit(1);
    added.resize(1);
    signal.emit(2);
    EXPECT_EQ(calls, "self1 end kept1 kept2 added2");
}

TEST(Signal, NestedNotificationsRunToCompletionAndConnectionsFollowAMove)
{
    Signal<> outer, inner;
    std::string calls;
    outer.connect([&] { calls += "outer1 ", inner.emit(), calls += "end1 "; });
    outer.connect([&] { calls += "outer2 "; });
    Connection connection = inner.connectScoped([&] { calls += "inner "; });
    outer.emit();
    EXPECT_EQ(calls, "outer1 inner end1 outer2 ");
    Signal<> moved = std::move(inner);
    moved.emit();
    connection.disconnect();
    moved.emit();
    EXPECT_EQ(calls, "outer1 inner end1 outer2 inner ");
    {
        Signal<> gone;
        connection = gone.connectScoped([] {});
    }
    connection.disconnect(); // outlives its signal: does nothing
}

} // namespace
