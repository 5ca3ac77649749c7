// The rules window's steps, their order and settings, and its closing, seen in the rename
// window's columns on the in-memory drive D:\.
#include "frm_rules_world.h"

namespace tavolin::renamewindow {
namespace {

TEST_F(FrmRulesTest, EachChangeOfAStepPlansTheNamesAnewFromThoseAtTheOpening)
{
    open({"IMG_1.jpg", "IMG_2.jpg", "notes.txt"});
    replace("IMG", "photo");
    EXPECT_THAT(planned(), ElementsAre("photo_1.jpg", "photo_2.jpg", "notes.txt"));
    EXPECT_THAT(changedRows(), ElementsAre(0, 1));
    EXPECT_THAT(model.List1.notes(), IsEmpty()) << "a name with nothing to replace is no fault";
    EXPECT_EQ(rules.lblSummary.caption(), "変更する名前 2件");
    rules.txtReplace.setText("P");
    EXPECT_THAT(planned(), ElementsAre("P_1.jpg", "P_2.jpg", "notes.txt"));
    EXPECT_THAT(model.List1.rows(), ElementsAre("IMG_1.jpg", "IMG_2.jpg", "notes.txt"));
    rules.cboTarget.setSelectedIndex(1); // the extension, which holds no "IMG"
    EXPECT_THAT(planned(), ElementsAre("IMG_1.jpg", "IMG_2.jpg", "notes.txt"));
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
        return std::string(rules.txtFind.text()) + std::string(rules.txtReplace.text())
               + (rules.chkRegex.marked() ? " regex " : " ")
               + test::enabledButtons(test::modelControls(rules.controlTable()));
    };
    // Buttons by name: cmdAddStep, cmdRemoveStep, cmdRulesCancel, cmdRulesOK, cmdStepDown,
    // cmdStepUp.
    rules.lstSteps.clickRow(0);
    EXPECT_EQ(shown(), "ab regex EEEEE-");
    rules.lstSteps.clickRow(1);
    EXPECT_EQ(shown(), "cd EEEE-E");
    const auto settings = [this] {
        return std::string(rules.txtStart.text()) + std::string(rules.txtStep.text()) + " "
               + std::string(rules.txtPattern.text()) + " "
               + std::string(rules.txtSeparator.text());
    };
    add(Numbering);
    rules.txtStart.setText("5");
    rules.txtStep.setText("3");
    rules.txtSeparator.setText("~");
    add(Date);
    rules.txtPattern.setText("yymm");
    rules.txtSeparator.setText("+");
    add(Numbering);
    EXPECT_EQ(std::string(rules.txtStart.text()) + std::string(rules.txtStep.text()), "11")
            << "a new step's own";
    rules.lstSteps.clickRow(2);
    EXPECT_EQ(settings(), "53 yymm ~");
    rules.lstSteps.clickRow(3);
    EXPECT_EQ(settings(), "53 yymm +");

    // How many, where and from which end an insertion or a removal counts, each its own.
    add(rules::kindIndex<rename::RemoveStep>);
    rules.txtCount.setText("2");
    rules.txtPosition.setText("1");
    rules.cboCountFrom.setSelectedIndex(1);
    add(Insert);
    const auto countFrom = [this](int row) {
        rules.lstSteps.clickRow(row);
        return std::string(rules.txtCount.text()) + std::string(rules.txtPosition.text())
               + std::to_string(rules.cboCountFrom.selectedIndex());
    };
    EXPECT_EQ(countFrom(5) + countFrom(6) + countFrom(5),
              "211"
              "200"
              "211");
}

TEST_F(FrmRulesTest, ANormalizationPlansTheFormChosen)
{
    open({"か\u3099.txt", "が.txt"}); // written apart, and composed
    add(rules::kindIndex<rename::Normalization>);
    EXPECT_THAT(planned(), ElementsAre("が.txt", "が.txt"));
    rules.cboForm.setSelectedIndex(1);
    EXPECT_THAT(planned(), ElementsAre("か\u3099.txt", "か\u3099.txt"));
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
