#include "controls/controls.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::controls {
namespace {

using ::testing::ElementsAre;

TEST(Controls, NotifyOnlyOnARealChange)
{
    TextBox text;
    CheckBox check("c");
    int textChanges = 0, checkClicks = 0;
    text.changed.connect([&] { ++textChanges; });
    check.clicked.connect([&] { ++checkClicks; });

    text.setText("a");
    text.setText("a");
    check.setValue(1);
    check.setValue(1);
    check.setValue(0);
    EXPECT_EQ(textChanges, 1);
    EXPECT_EQ(checkClicks, 2);
}

TEST(Controls, NotificationsNestAndFinishBeforeTheAssignmentReturns)
{
    TextBox first, second;
    std::vector<std::string> order;
    first.changed.connect([&] {
        order.push_back("first begins");
        second.setText(first.text() + "!");
        order.push_back("first ends");
    });
    second.changed.connect([&] { order.push_back("second: " + second.text()); });

    first.setText("x");
    order.push_back("returned");
    EXPECT_THAT(order, ElementsAre("first begins", "second: x!", "first ends", "returned"));
}

TEST(Controls, DisabledOrHiddenButtonsCannotBeClicked)
{
    Button button("b", /*enabled=*/false);
    int clicks = 0;
    button.clicked.connect([&] { ++clicks; });
    button.click();
    button.setEnabled(true);
    button.setVisible(false);
    button.click();
    button.setVisible(true);
    button.click();
    EXPECT_EQ(clicks, 1);
}

TEST(Controls, ScopedConnectionsEndWithTheirOwner)
{
    Label label;
    int redraws = 0;
    {
        Connection connection = label.appearanceChanged.connectScoped([&] { ++redraws; });
        label.setCaption("one");
    }
    label.setCaption("two");
    EXPECT_EQ(redraws, 1);
}

} // namespace
} // namespace tavolin::controls
