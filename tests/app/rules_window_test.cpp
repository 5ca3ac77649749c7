// The rules window on screen over the rename window: what the user types and ticks in it
// reaches the preview in the rename window's columns. What the preview holds is the model's,
// tested in FrmRulesTest; here, only what the widgets do with it.
#include "app/widget_steps.h"
#include "renamewindow/qt/rename_window_view.h"
#include "support/window_worlds.h"
#include "text/qt/qt_strings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <algorithm>

namespace tavolin {
namespace {

struct PhotosWorld : test::RenameWorld
{
    PhotosWorld()
    {
        std::vector<std::string> names;
        for (int i = 1; i <= 12; ++i)
            names.push_back("IMG_" + std::to_string(1000 + i) + (i % 4 ? ".JPG" : ".jpeg"));
        names.push_back("ｶﾞｲﾄﾞ ﾌﾞｯｸ.pdf");
        names.push_back("photo_1003.JPG"); // a name the first replace also gives
        scan(names);
    }
};

// Each row of a list as the widget shows it: text, then "*" where it is marked as changed and
// "!" where as refused.
std::vector<std::string> shownRows(QWidget *window, const std::string &list)
{
    const QAbstractItemModel *rows = child<QAbstractItemView>(window, list)->model();
    std::vector<std::string> shown;
    for (int row = 0; row < rows->rowCount(); ++row) {
        const QModelIndex index = rows->index(row, 0);
        const QString tip = index.data(Qt::ToolTipRole).toString();
        shown.push_back(text::fromQString(index.data().toString())
                        + (index.data(Qt::BackgroundRole).isValid() ? "*" : "")
                        + (tip.contains(QLatin1Char('\n')) ? "!" : ""));
    }
    return shown;
}

TEST(RulesWindowView, WhatIsTypedTickedAndKeyedInItShowsInTheColumns)
{
    PhotosWorld world;
    renamewindow::RenameWindowView view(world.model);
    view.show();
    playOnWidgets(&view, "press cmdRules");
    auto *rules = view.findChild<QWidget *>(QStringLiteral("frmRules"));
    ASSERT_TRUE(rules && rules->isVisible());
    EXPECT_EQ(text::fromQString(child(rules, "txtPattern")->toolTip()),
              world.model.rules.txtPattern.toolTip());
    const auto *kinds = child<QComboBox>(rules, "cboStepKind");
    EXPECT_GE(kinds->width(), kinds->sizeHint().width()) << "the longest kind of step cut";
    const auto shows = [&](const std::string &row) {
        world.later.settle();
        return std::ranges::count(shownRows(&view, "List2_0"), row) == 1;
    };

    // A replace, typed; then a width step, switched on by a tick.
    playOnWidgets(rules,
                  "press cmdAddStep; type txtFind IMG; type txtReplace photo;"
                  " pick cboStepKind 2; press cmdAddStep; tick chkWidth_2");
    EXPECT_TRUE(shows("ガイド ブック*"));
    EXPECT_TRUE(shows("photo_1003*!")) << "photo_1003.JPG stays as it is";
    playOnWidgets(rules, "shot rules-window");
    playOnWidgets(&view, "shot rename-window-with-rules");

    // The first step switched off with the keyboard in the steps list.
    playOnWidgets(rules, "click lstSteps 0; key lstSteps Space");
    EXPECT_TRUE(shows("IMG_1001"));

    // Escape is キャンセル: the names from before, and the rename window free again.
    playOnWidgets(rules, "key lstSteps Escape");
    QCoreApplication::processEvents();
    EXPECT_FALSE(world.model.rules.isOpen());
    EXPECT_TRUE(shows("ｶﾞｲﾄﾞ ﾌﾞｯｸ"));
    EXPECT_TRUE(child(&view, "cmdStart")->isEnabled());

    // The photos have no date taken, so a date step takes their modification times and says so.
    playOnWidgets(&view, "press cmdRules"); // a rules window made anew
    playOnWidgets(child(&view, "frmRules"), "pick cboStepKind 8; press cmdAddStep");
    world.later.turn();
    const QModelIndex row = child<QAbstractItemView>(&view, "List2_0")->model()->index(0, 0);
    const QString tip = row.data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.endsWith(QStringLiteral("\n撮影日時がないので更新日時を使いました")))
            << text::fromQString(tip);
}

} // namespace
} // namespace tavolin
