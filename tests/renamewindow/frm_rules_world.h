#pragma once
// The rules window over the rename window's model on the in-memory drive D:\, with the steps
// its tests take.
#include "support/window_worlds.h"

#include <gmock/gmock.h>

namespace tavolin::renamewindow {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

// The kinds of step by their place in the kind list.
constexpr auto Replace = rules::kindIndex<rename::ReplaceRule>;
constexpr auto Case = rules::kindIndex<rename::LetterCase>;
constexpr auto Width = rules::kindIndex<rename::WidthStep>;
constexpr auto Insert = rules::kindIndex<rename::InsertStep>;
constexpr auto Numbering = rules::kindIndex<rename::NumberingRule>;
constexpr auto Date = rules::kindIndex<rename::DateStep>;

class FrmRulesTest : public ::testing::Test, protected test::RenameWorld
{
protected:
    FrmRules &rules = model.rules;

    void open(const std::vector<std::string> &names)
    {
        scan(names);
        model.cmdRules.click();
    }
    void add(std::size_t kind)
    {
        rules.cboStepKind.setSelectedIndex(static_cast<int>(kind));
        rules.cmdAddStep.click();
        later.settle();
    }
    void replace(const std::string &find, const std::string &by, bool regex = false)
    {
        add(Replace);
        rules.chkRegex.setTicked(regex);
        rules.txtFind.setText(find);
        rules.txtReplace.setText(by);
        later.settle();
    }
    // Each row's planned name, base name and extension together, once the event loop has
    // turned.
    std::vector<std::string> planned()
    {
        later.settle();
        std::vector<std::string> names;
        for (int row = 0; row < model.List2[0].count(); ++row)
            names.push_back(model.List2[0].text(row) + model.List2[1].text(row));
        return names;
    }
    std::vector<int> changedRows()
    {
        later.settle();
        std::vector<int> changed;
        for (int row = 0; row < model.List2[0].count(); ++row)
            if (model.List2[0].changedRow(row))
                changed.push_back(row);
        return changed;
    }
};

} // namespace tavolin::renamewindow
