// The rules window's preview in the rename window's columns, on the in-memory drive D:\.
#include "support/window_worlds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::renamewindow {
namespace {

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

TEST_F(FrmRulesTest, EachChangeOfAStepPlansTheNamesAnewFromThoseAtTheOpening)
{
    open({"IMG_1.jpg", "IMG_2.jpg", "notes.txt"});
    replace("IMG", "photo");
    EXPECT_THAT(planned(), ElementsAre("photo_1.jpg", "photo_2.jpg", "notes.txt"));
    EXPECT_THAT(changedRows(), ElementsAre(0, 1));
    EXPECT_EQ(rules.lblSummary.caption(), "変更する名前 2件");
    rules.txtReplace.setText("P");
    EXPECT_THAT(planned(), ElementsAre("P_1.jpg", "P_2.jpg", "notes.txt"));
    EXPECT_THAT(model.List1.rows(), ElementsAre("IMG_1.jpg", "IMG_2.jpg", "notes.txt"));
    EXPECT_THAT(fs.log(), IsEmpty()) << "nothing on disk changes";
}

TEST_F(FrmRulesTest, StepsRunInTheirOrderAndASwitchedOffStepChangesNothing)
{
    open({"abc.txt"});
    replace("abc", "x");
    add(Insert);
    rules.txtText.setText("abc");
    EXPECT_THAT(planned(), ElementsAre("abcx.txt"));
    rules.txtPosition.setText("1"); // after the first character
    EXPECT_THAT(planned(), ElementsAre("xabc.txt"));
    rules.txtPosition.setText("0");
    rules.cmdStepUp.click(); // the insert first, then the replace finds both
    EXPECT_THAT(planned(), ElementsAre("xx.txt"));
    rules.cmdStepDown.click(); // and back
    EXPECT_THAT(planned(), ElementsAre("abcx.txt"));
    rules.cmdStepUp.click();
    EXPECT_THAT(rules.lstSteps.rows(), ElementsAre("文字の挿入：「abc」", "置換：「abc」→「x」"));
    rules.lstSteps.setChecked(0, false);
    EXPECT_THAT(planned(), ElementsAre("x.txt"));
    rules.lstSteps.clickRow(1);
    rules.cmdRemoveStep.click();
    EXPECT_THAT(planned(), ElementsAre("abc.txt"));
}

TEST_F(FrmRulesTest, AChosenStepShowsItsOwnSettingsAndTheMovesItHas)
{
    open({"a.txt"});
    replace("a", "b", /*regex=*/true);
    replace("c", "d");
    EXPECT_TRUE(rules.cmdRulesOK.isDefault());
    const auto shown = [this] {
        return rules.txtFind.text() + rules.txtReplace.text()
               + (rules.chkRegex.marked() ? " regex " : " ")
               + test::enabledButtons(test::modelControls(rules.controlTable()));
    };
    // Buttons by name: cmdAddStep, cmdRemoveStep, cmdRulesCancel, cmdRulesOK, cmdStepDown,
    // cmdStepUp.
    rules.lstSteps.clickRow(0);
    EXPECT_EQ(shown(), "ab regex EEEEE-");
    rules.lstSteps.clickRow(1);
    EXPECT_EQ(shown(), "cd EEEE-E");
    add(Numbering);
    rules.txtStart.setText("5");
    rules.txtStep.setText("3");
    add(Numbering);
    EXPECT_EQ(rules.txtStart.text() + rules.txtStep.text(), "11") << "a new step's own";
    rules.lstSteps.clickRow(2);
    EXPECT_EQ(rules.txtStart.text() + rules.txtStep.text(), "53");
}

TEST_F(FrmRulesTest, OkKeepsThePlannedNamesWhileCancelAndTheCloseBoxPutTheOldOnesBack)
{
    scan({"a.txt", "b.txt"});
    model.cmdRules.click();
    add(Case);
    rules.cboCase.setSelectedIndex(1); // UPPER
    rules.cmdRulesCancel.click();
    for (const auto &[close, kept] : {std::pair{"OK", true}, {"cancel", false}, {"box", false}}) {
        SCOPED_TRACE(close);
        model.List2[0].replaceAll({"a", "planned"});
        model.cmdRules.click(); // the step is still there
        EXPECT_THAT(planned(), ElementsAre("A.txt", "PLANNED.txt"));
        if (close == std::string_view("OK"))
            rules.cmdRulesOK.click();
        else if (close == std::string_view("cancel"))
            rules.cmdRulesCancel.click();
        else
            EXPECT_TRUE(rules.Form_QueryUnload());
        EXPECT_FALSE(rules.isOpen());
        EXPECT_THAT(planned(),
                    kept ? ElementsAre("A.txt", "PLANNED.txt")
                         : ElementsAre("a.txt", "planned.txt"));
        EXPECT_THAT(changedRows(), IsEmpty());
    }
}

TEST_F(FrmRulesTest, WhileOpenTheRenameWindowNeitherScansNorPlansNorRenames)
{
    open({"a.txt"});
    for (const controls::Control *held : std::initializer_list<const controls::Control *>{
                 &model.cmdStart, &model.Command1, &model.Command6, &model.Text3, &model.cmdUndo})
        EXPECT_FALSE(held->enabled());
    rules.cmdRulesOK.click();
    EXPECT_TRUE(model.cmdStart.enabled());
    EXPECT_TRUE(model.Command1.enabled());
}

TEST_F(FrmRulesTest, RowsTheBatchWouldRefuseAreMarkedWithWhyAtOnce)
{
    open({"a1.txt", "a2.txt", "b.txt", "c.txt"});
    replace("^(a.|b)$", "x", true);
    const std::string same = "ほかの行も同じ名前になります";
    EXPECT_THAT(model.List2[0].marks(),
                UnorderedElementsAre(Pair(0, same), Pair(1, same), Pair(2, same)));
    EXPECT_EQ(rules.lblSummary.caption(),
              "変更できない名前 3件：直すまで、3件のどれも変更しません");
    EXPECT_EQ(model.List1.marks(), model.List2[0].marks());
    EXPECT_EQ(model.List2[1].marks(), model.List2[0].marks());
    // OK before the event loop turned marks the rows of the last text.
    rules.txtReplace.setText("y");
    rules.cmdRulesOK.click();
    EXPECT_EQ(model.List1.marks().size(), 3U);
    model.cmdRules.click();
    // Opened again on a folder that can no longer be opened, it checks nothing.
    rules.cmdRulesOK.click();
    fs.failFolder("D:\\f", {services::FsErrorKind::NoPermission, {}});
    model.cmdRules.click();
    EXPECT_THAT(model.List2[0].marks(), IsEmpty());
    EXPECT_EQ(rules.lblSummary.caption(), "変更する名前 0件") << "and counts none refused";
}

TEST_F(FrmRulesTest, AStepThatChangesNamesAsItComesIsPreviewedOnceAdded)
{
    open({" a .txt"});
    add(rules::kindIndex<rename::TrimStep>);
    EXPECT_THAT(planned(), ElementsAre("a.txt"));
}

TEST_F(FrmRulesTest, AFaultySettingIsShownAndChangesNothing)
{
    open({"abc.txt"});
    replace("(b", "x", true);
    EXPECT_THAT(planned(), ElementsAre("abc.txt"));
    EXPECT_THAT(rules.lblFault.caption(), ::testing::HasSubstr("文字目"));
    rules.txtFind.setText("(b)");
    rules.txtReplace.setText("[$1]");
    EXPECT_THAT(planned(), ElementsAre("a[b]c.txt"));
    EXPECT_EQ(rules.lblFault.caption(), "");

    add(Numbering);
    for (const char *notANumber : {"1x", "x1"}) {
        rules.txtStart.setText(notANumber);
        later.turn();
        EXPECT_EQ(rules.lblFault.caption(), "半角の数字で入力してください") << notANumber;
    }
    EXPECT_THAT(planned(), ElementsAre("a[b]c.txt"));
    rules.txtStart.setText("12345678901234567890"); // digits, only too many
    later.turn();
    EXPECT_THAT(rules.lblFault.caption(), ::testing::HasSubstr("までの数で入力してください"));
    rules.txtStart.setText("7");
    rules.txtDigits.setText("3");
    EXPECT_THAT(planned(), ElementsAre("a[b]c_007.txt"));
    rules.lstSteps.clickRow(0); // the replace step's settings come back into the fields
    EXPECT_EQ(rules.txtFind.text(), "(b)");
    EXPECT_TRUE(rules.txtFind.visible());
    EXPECT_FALSE(rules.txtStart.visible());
    rules.lstSteps.clickRow(1);
    rules.txtStart.setText("x1");
    rules.cmdStepUp.click(); // first in the order, the faulty step still changes nothing
    EXPECT_THAT(planned(), ElementsAre("a[b]c.txt"));
}

TEST_F(FrmRulesTest, DatesComeFromThePhotoOrElseFromTheModificationTime)
{
    fs.addFile("D:\\f", "a.jpg", 1, 86400 * 365); // 1971-01-01 in UTC
    photoDates.dates["D:\\f\\b.jpg"] = "2026:12:08 14:30:05";
    photoDates.dates["D:\\f\\c.jpg"] = "0000:00:00 00:00:00";
    fs.addFile("D:\\f", "c.jpg", 1, 86400 * 365);
    setenv("TZ", "UTC", 1);
    tzset();
    open({"b.jpg"});
    add(Date);
    rules.txtPattern.setText("yyyyMMdd");
    rules.cboPlace.setSelectedIndex(2); // replacing the name
    EXPECT_THAT(planned(), ElementsAre("19710101.jpg", "20261208.jpg", "19710101.jpg"));
    const std::string modified = "撮影日時がないので更新日時を使いました";
    EXPECT_THAT(model.List1.notes(), ElementsAre(Pair(0, modified), Pair(2, modified)));
    EXPECT_EQ(model.List2[0].notes(), model.List1.notes());
    const int asked = photoDates.asked;
    rules.txtPattern.setText("yyMMdd");
    later.turn();
    EXPECT_EQ(photoDates.asked, asked) << "each photo is read once while the window is open";
}

TEST_F(FrmRulesTest, ADatePatternWithALetterOfNoFieldIsAFaultAndChangesNothing)
{
    open({"a.jpg"});
    add(Date);
    EXPECT_THAT(rules.txtPattern.toolTip(), ::testing::HasSubstr("M 月"));
    rules.txtPattern.setText("yy年hh時");
    later.turn();
    EXPECT_EQ(rules.lblFault.caption(), "書式の「hh」は使えません（文字は'で囲みます）");
    EXPECT_THAT(planned(), ElementsAre("a.jpg"));
}

TEST_F(FrmRulesTest, NamesThatAreNotUtf8PassUnchangedAndAreNoted)
{
    open({"\x83\x65\x83\x58\x83\x67.txt", "ｶﾞｯｺｳ.txt", "ＡＢ.txt"});
    add(Width);
    // Alphanumerics to half width, half-width katakana to full width.
    test::play(test::modelControls(rules.controlTable()), "tick chkWidth_0; tick chkWidth_2");
    EXPECT_THAT(rules.lstSteps.rows(),
                ElementsAre("全角・半角・かな：全角英数記号→半角、半角カナ→全角"));
    // Names that are not UTF-8 come last in name order.
    EXPECT_THAT(planned(), ElementsAre("AB.txt", "ガッコウ.txt", "\x83\x65\x83\x58\x83\x67.txt"));
    EXPECT_THAT(model.List1.marks(), IsEmpty()) << "not refused: the others are renamed";
    EXPECT_THAT(model.List1.notes(),
                ElementsAre(Pair(2, "UTF-8の名前ではないので変換していません")));
}

TEST_F(FrmRulesTest, ChangesBeforeTheEventLoopTurnsArePreviewedOnceWithTheLast)
{
    open({"IMG_1.jpg", "IMG_2.jpg"});
    replace("IMG", "");
    int previews = 0;
    const controls::Connection counting = model.List2[0].reset.connectScoped([&] { ++previews; });
    for (const char *typed : {"p", "p0", "p0_"})
        rules.txtReplace.setText(typed);
    EXPECT_EQ(previews, 0);
    later.turn();
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(later.turn(), 1U) << "the rows the batch would refuse, a turn after the names";
    EXPECT_THAT(planned(), ElementsAre("p0__1.jpg", "p0__2.jpg"));
}

TEST_F(FrmRulesTest, ClosedBeforeTheTurnOkKeepsTheLastTextAndCancelTheNamesFromBefore)
{
    scan({"IMG_1.jpg"});
    for (const auto &[close, kept] :
         {std::pair{&rules.cmdRulesCancel, "IMG_1.jpg"}, {&rules.cmdRulesOK, "x_1.jpg"}}) {
        model.cmdRules.click();
        add(Replace);
        rules.txtFind.setText("IMG");
        rules.txtReplace.setText("x");
        close->click();
        EXPECT_THAT(planned(), ElementsAre(kept));
    }
}

} // namespace
} // namespace tavolin::renamewindow
