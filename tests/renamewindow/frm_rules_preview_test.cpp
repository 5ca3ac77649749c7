// What the rules window's preview says of rows and steps: the rows the batch would refuse,
// faulty settings, dates, and names that are not UTF-8.
#include "frm_rules_world.h"

namespace tavolin::renamewindow {
namespace {

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
    rules.txtFind.setText("^b$");
    rules.txtReplace.setText("c"); // the name of a file that stays
    later.settle();
    EXPECT_EQ(rules.lblSummary.caption(),
              "変更できない名前 1件：直すまで、1件のどれも変更しません");
    rules.txtFind.setText("^(a.|b)$");
    rules.txtReplace.setText("x");
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
    rules.txtDigits.setText("19"); // a number takes 18 digits at the most
    later.turn();
    EXPECT_THAT(rules.lblFault.caption(), ::testing::HasSubstr("18"));
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
    rules.cmdRulesOK.click();
    EXPECT_THAT(model.List1.notes(), IsEmpty()) << "the notes go with the preview";
}

} // namespace
} // namespace tavolin::renamewindow
