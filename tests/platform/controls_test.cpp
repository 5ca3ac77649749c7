#include "platform/controls.h"
#include "platform/line_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::platform {
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

std::vector<std::string> readInChunks(std::string_view bytes, std::size_t chunk)
{
    std::vector<std::string> lines;
    LineReader reader([&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    for (std::size_t pos = 0; pos < bytes.size(); pos += chunk)
        reader.feed(bytes.substr(pos, chunk));
    reader.finish();
    return lines;
}

TEST(LineReader, AnyChunkingGivesTheSameLines)
{
    const std::string cp932 = "\x8E\xCA\x90\x5E\r\nb\n\r\nlast";
    const std::string utf8 = "\xEF\xBB\xBF写真\r\n\xff";
    for (std::size_t chunk : {1u, 2u, 3u, 7u, 100u}) {
        EXPECT_THAT(readInChunks(cp932, chunk), ElementsAre("写真", "b", "", "last")) << chunk;
        EXPECT_THAT(readInChunks(utf8, chunk), ElementsAre("写真", "\xff")) << chunk;
    }
    EXPECT_THAT(readInChunks("\xEF\xBB", 1),
                ElementsAre("\xEF\xBF\xBDｻ")); // no mark: code page 932
    EXPECT_THAT(readInChunks("", 1), ElementsAre());
}

TEST(LineReader, TellsUtf8WithoutAMarkFromCodePage932)
{
    EXPECT_THAT(readInChunks("写\r\nÄrger\n", 1), ElementsAre("写", "Ärger"));
    EXPECT_THAT(readInChunks("\x8E\xCA\x90\x5E\n", 1), ElementsAre("写真"));
}

TEST(LineReader, AVeryLongLineKeepsOnlyItsStart)
{
    const std::size_t max = LineReader::kMaxLineBytes;
    const std::string bytes
            = "short\n" + std::string(3 * max, 'x') + "\nafter\n" + std::string(max + 5, 'y');
    for (std::size_t chunk : {7u, 4096u, 1u << 20}) {
        const auto lines = readInChunks(bytes, chunk);
        ASSERT_EQ(lines.size(), 4u) << chunk;
        EXPECT_EQ(lines[0], "short");
        EXPECT_EQ(lines[1], std::string(max, 'x'));
        EXPECT_EQ(lines[2], "after");
        EXPECT_EQ(lines[3], std::string(max, 'y'));
    }
}

TEST(LineReader, StopsWhenAsked)
{
    int lines = 0;
    LineReader reader([&](std::string_view) { return ++lines < 2; });
    reader.feed("a\nb\nc\nd");
    reader.finish();
    EXPECT_EQ(lines, 2);
    EXPECT_FALSE(reader.feed("e\n"));
}

} // namespace
} // namespace tavolin::platform
