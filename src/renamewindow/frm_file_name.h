#pragma once

#include "controls/control_table.h"
#include "controls/controls.h"
#include "controls/list_box.h"
#include "controls/long_work.h"
#include "controls/window_state.h"
#include "rename/apply_renames.h"
#include "rename/sheet_renames.h"
#include "renamewindow/frm_rules.h"
#include "services/services.h"
#include "shared/file_order_choice.h"
#include "shared/module1.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::renamewindow {

// The batch-rename window: the files of a folder in three columns (current name, planned base
// name, planned extension) kept in step on every selection, numbering and single edits of the
// planned names, the extension panel, and the renames themselves. Holds every control's state
// and runs every handler; the view only shows the controls and forwards what the user does.
class FrmFileName
{
public:
    // Window widths in twips: the extension panel lies beyond the narrow one.
    static constexpr int kNarrowWidth = 8600;
    static constexpr std::string_view kCountCaption = "ファイル数 = "; // before the count
    static constexpr int kWideWidth = 11000;

    FrmFileName(Module1 &module, const services::Services &services);
    FrmFileName(const FrmFileName &) = delete;
    FrmFileName &operator=(const FrmFileName &) = delete;

    // The opening steps; they run each time the window is created. The window opens on
    // `folder` (as the folder field holds it) when one is given, else on the start folder.
    void Form_Load(const std::optional<std::string> &folder = std::nullopt);

    void cmdStart_Click(); // the rename scan
    void Command2_Click(); // numbering, or one planned name
    void Command1_Click(); // the renames on disk
    void Check1_Click();
    void List1_Click();
    void List2_Click(int index);
    void Text3_Change();
    void cmdDialog_Click(); // the folder chooser
    void cmdEnd_Click();
    // A request to close the window that does not come from 終了: the close box, the window
    // manager, the session ending. True when the window may close now. While long work runs in
    // it, the work is asked to stop, as 中止 does, and the window closes once the handler that
    // ran the work has ended, its report shown: nothing destroys the window under running work.
    bool Form_QueryUnload();
    // A click on the window's background, Label1, Text1 or Text3: the chooser serves this
    // window again.
    void Form_Click();

    // The extension panel.
    void Command3_Click(); // opens or closes it
    void List3_Click(int index);
    void Command4_Click(); // one replacement
    void Command5_Click(); // applies the replacements to the extension column

    void Command6_Click(); // planned base names from a text file
    // Spreadsheets: the current and planned names saved as a sheet; new names read from a sheet
    // or from cells on the clipboard and matched to the files by their current names.
    void cmdSheetOut_Click();
    void cmdSheetIn_Click();
    void cmdPasteSheet_Click();
    void cmdUndo_Click();  // takes back the last batch of the folder shown
    void cboOrder_Click(); // another order of files for the whole run
    // Opens the rules window on the planned names (brings it to the front when open). While it
    // is open, the controls that would change the lists or rename are held disabled.
    void cmdRules_Click();
    void cmdHistory_Click(); // opens the history of batches, or brings it to the front
    // A folder, or a file for its folder, dropped on the window or handed over by a second
    // start: it goes into Text1 and is scanned, unless the folder field is held (long work, the
    // rules window). Planned names changed since the last scan (typed, numbered, read from a
    // file, planned by rules) are replaced only when the user agrees to lose them. True when the
    // folder was scanned.
    bool folderDropped(std::string_view path);
    // Files of `folder` were renamed from elsewhere (a batch taken back in the history): when the
    // lists show that folder, they are read again unless that would lose planned names or the
    // folder field was changed or is held; else only 元に戻す follows.
    void folderRenamedElsewhere(std::string_view folder);

    // Asks for the folder chooser to be shown (created first if it is not open).
    controls::Signal<> folderChooserRequested;
    // Asks for the rules window to be shown: created when it is not on screen, else raised.
    controls::Signal<> rulesWindowRequested;
    // Asks for the history of batches to be shown.
    controls::Signal<> historyRequested;

private:
    Module1 &m_module;
    services::Services m_services;
    std::string m_scannedPattern; // the folder field as the last scan read it

public:
    // Every control of the window by the name of its widget.
    controls::ControlTable controlTable();

    controls::WindowState window{kNarrowWidth};
    controls::TextBox Text1; // the rename folder, ending in the separator
    controls::Button cmdDialog{"参照"};
    controls::TextBox Text2{{}, /*visible=*/false};
    controls::TextBox Text3; // the planned base name being edited
    controls::Button Command2{"変更", /*enabled=*/false};
    controls::CheckBox Check1{"連番にする"};
    controls::Frame Frame1;
    std::array<controls::OptionButton, 2> Option1{
            controls::OptionButton{"先頭に数値", true, false},
            controls::OptionButton{"最後に数値", false, false}};
    std::array<controls::Label, 3> Label2{controls::Label{"元ファイル名"},
                                          controls::Label{"変更ファイル名"},
                                          controls::Label{"拡張子"}};
    controls::ListBox List1;                // current names
    std::array<controls::ListBox, 2> List2; // planned base names, planned extensions
    controls::Label Label1{std::string(kCountCaption)};
    // How the last names file was read (its encoding); empty after a scan.
    controls::Label lblStatus;
    controls::Button cmdStart{"取得"};
    controls::Button Command6{"取得後Textから読込"};
    controls::Button cmdSheetOut{"一覧を保存..."};
    controls::Button cmdSheetIn{"一覧から読込..."};
    controls::Button cmdPasteSheet{"貼り付け"};
    controls::Button Command1{"ﾌｧｲﾙ名を変更"};
    // Enabled while the folder of the last scan has a batch to take back.
    controls::Button cmdUndo{"元に戻す", /*enabled=*/false};
    controls::Button Command3{"拡張子変換>>"};
    controls::Button cmdEnd{"終了"};
    controls::Button Command5{"<<適用"};
    controls::Frame Frame2{"拡張子変換"};
    controls::TextBox Text4; // the replacement extension being edited
    controls::Button Command4{"変更"};
    std::array<controls::ListBox, 2> List3; // extensions found, their replacements
    // The order of files, kept in step with the main window's; the lists follow it at the
    // next scan, so planned names never move under the user's hands.
    controls::ComboBox cboOrder = shared::makeOrderChoice(shared::kOrderTip);
    controls::Button cmdRules{"置換・変換..."};
    controls::Button cmdHistory{"履歴..."};
    // The rules window, planning into List2.
    FrmRules rules{{List1, List2[0], List2[1]}, m_services};

private:
    const paths::PathStyle &style() const { return m_services.fs.pathStyle(); }
    void makeDefault(controls::Button &button);
    // Long work in this window, described by `what`.
    controls::LongWork working(std::string_view what);
    void renameAll();
    // The folder the lists were read from.
    paths::FolderPath scannedFolder() const;
    // Whether a planned name differs from the name of its file, as none does after a scan:
    // replacing the planned names would lose what was planned.
    bool plannedNamesChanged() const;
    // Marks the rows of `outcome`'s problems and lists them; false when there are none.
    bool showProblems(const std::vector<rename::RowProblem> &problems);
    void markProblems(const std::map<int, std::string> &marks);
    // Takes the marks of problems and of changed rows off every row.
    void clearMarks();
    void releaseForRules();
    // Whether the lists hold files; when they do not, says to scan first.
    bool filesListedOrSay();
    // Each file's planned full name: its planned base name and extension.
    std::vector<std::string> plannedFullNames() const;
    // The new names of a sheet as planned names, during long work; what became of its rows,
    // to be said once the work ends (nothing when it was stopped or all went as asked).
    std::string applySheet(const rename::SheetRenames &sheet);
    // Marks the rows whose planned names differ from `before` as changed, and the rows the
    // batch would refuse with why, as the rules window marks them; the number refused.
    std::size_t markPlannedChanges(const std::vector<std::string> &before);

    controls::Connection m_orderFollowed;
    bool m_closeWhenIdle = false; // a close request came while work ran
    controls::Connection m_idleClose;
    // The controls held disabled while the rules window is open.
    std::vector<controls::Control *> m_heldForRules;
};

} // namespace tavolin::renamewindow
