#pragma once
// The rename window's model over the in-memory drive D:\, with the steps its tests take.
#include "support/window_worlds.h"

#include <gmock/gmock.h>

namespace tavolin::renamewindow {

using services::MessageAnswer;
using test::rows;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;

class FrmFileNameTest : public ::testing::Test, protected test::RenameWorld
{
protected:
    // Scans whatever `field` names; returns the messages it showed.
    std::vector<std::string> scanField(const std::string &field)
    {
        dialogs.messages.clear();
        play("type Text1 " + field + "; press cmdStart");
        return dialogs.messageTexts();
    }

    // The selected rows of List1, List2(0) and List2(1).
    std::string selected() const
    {
        return std::to_string(model.List1.selectedRow()) + ' '
               + std::to_string(model.List2[0].selectedRow()) + ' '
               + std::to_string(model.List2[1].selectedRow());
    }

    // Confirms both questions and renames; returns the messages that followed them.
    std::vector<std::string> renameAll()
    {
        dialogs.messages.clear();
        play("press Command1");
        const auto texts = dialogs.messageTexts();
        EXPECT_EQ(texts.at(0) + texts.at(1), "変更を適用してもいい？ほんとにいいの？");
        EXPECT_EQ(dialogs.messages[1].buttons, services::MessageButtons::OkCancel);
        return {texts.begin() + 2, texts.end()};
    }
};

} // namespace tavolin::renamewindow
