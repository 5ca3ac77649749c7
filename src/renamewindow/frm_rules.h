#pragma once

#include "controls/control_table.h"
#include "controls/controls.h"
#include "controls/list_box.h"
#include "controls/window_state.h"
#include "paths/folder_path.h"
#include "rename/name_steps.h"
#include "rename/remembered_folder.h"
#include "rename/rename_plan.h"
#include "renamewindow/rule_choices.h"
#include "services/services.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tavolin::renamewindow {

// The rename window's columns that the rules window plans into.
struct PlannedColumns
{
    controls::ListBox &current;    // the files' names now; only read
    controls::ListBox &baseNames;  // the planned base names
    controls::ListBox &extensions; // the planned extensions
};

// The rules window: an ordered list of steps (replace, case, width and kana, normalization,
// insert, remove, trim, numbering, date, code page 932 names), each switched on by its check box
// and set below the list. While it is open, every change recomputes the planned names from the
// ones there were when it opened and shows them in the rename window's columns, the changed rows
// marked apart, the rows the batch would refuse marked with why, and the rows a date step dated
// by their modification time where the photo's date taken was asked noted so. The changes made
// before the event loop's next turn (keys typed faster than a preview of many rows is computed)
// are previewed once then, for the last of them. OK keeps the result of every change made;
// キャンセル and the close box put the names from before back. Nothing on disk changes here.
//
// The steps stay from one opening to the next while the rename window lives.
class FrmRules
{
public:
    static constexpr int kWidth = 6600; // twips

    FrmRules(PlannedColumns columns, const services::Services &services);
    FrmRules(const FrmRules &) = delete;
    FrmRules &operator=(const FrmRules &) = delete;

    // Opens on the columns as they are now, for the files of `folder`, and shows the preview
    // of the steps kept from the last time at once.
    void Form_Load(const paths::FolderPath &folder);
    bool isOpen() const { return m_before.has_value(); }

    void cmdAddStep_Click();
    void cmdRemoveStep_Click();
    void cmdStepUp_Click();
    void cmdStepDown_Click();
    void cmdRulesOK_Click();
    void cmdRulesCancel_Click();
    // The close box: as キャンセル. Always true: nothing runs here for long.
    bool Form_QueryUnload();

    // Every control of the window by the name of its widget.
    controls::ControlTable controlTable();

    controls::WindowState window{kWidth};
    controls::ListBox lstSteps{controls::ListBox::Checks::PerRow};
    controls::ComboBox cboStepKind = rules::choice(rules::kStepKinds, "追加する手順の種類です");
    controls::Button cmdAddStep{"追加"};
    controls::Button cmdRemoveStep{"削除", /*enabled=*/false};
    controls::Button cmdStepUp{"上へ", /*enabled=*/false};
    controls::Button cmdStepDown{"下へ", /*enabled=*/false};
    controls::Label lblTarget{"対象"};
    controls::ComboBox cboTarget = rules::choice(
            rules::kTargets,
            "この手順が変える部分です（拡張子はドットを除く。名前と拡張子は名前全体を"
            "変えて、結果を名前と拡張子に分け直す）");

    // Replace.
    controls::Label lblFind{"検索する文字"};
    controls::TextBox txtFind;
    controls::Label lblReplace{"置き換える文字"};
    controls::TextBox txtReplace;
    controls::CheckBox chkRegex{"正規表現"};
    controls::CheckBox chkMatchCase{"大文字と小文字を区別"};
    controls::CheckBox chkAll{"すべて置換"};
    // Case, normalization, where a position counts from, where a number or date goes.
    controls::ComboBox cboCase = rules::choice(rules::kCases, "大文字と小文字の変え方です");
    controls::ComboBox cboForm = rules::choice(rules::kForms, "Unicodeの正規化の形です");
    controls::ComboBox cboCountFrom
            = rules::choice(rules::kCountFrom, "位置を数える向きです（文字数で数えます）");
    controls::ComboBox cboPlace = rules::choice(rules::kPlaces, "数値や日付を置く所です");
    // Width and kana: one switch per change, in the order of rename::WidthChange.
    std::array<controls::CheckBox, 7> chkWidth = rules::switches(rules::kWidthChanges);
    // Insert and remove.
    controls::Label lblText{"挿入する文字"};
    controls::TextBox txtText;
    controls::Label lblPosition{"位置（文字目）"};
    controls::TextBox txtPosition{"0"};
    controls::Label lblCount{"削除する文字数"};
    controls::TextBox txtCount{"1"};
    // Numbering.
    controls::Label lblStart{"開始番号"};
    controls::TextBox txtStart{"1"};
    controls::Label lblStep{"増分"};
    controls::TextBox txtStep{"1"};
    controls::Label lblDigits{"桁数（0は必要なだけ）"};
    controls::TextBox txtDigits{"0"};
    controls::Label lblSeparator{"区切り文字"};
    controls::TextBox txtSeparator{"_"};
    // Date.
    controls::ComboBox cboDateSource = rules::choice(
            rules::kDateSources, "撮影日時は写真のEXIFから読みます。ない写真は更新日時です");
    controls::Label lblPattern{"書式"};
    controls::TextBox txtPattern{"yyyyMMdd_HHmmss", true, std::string(rename::kDatePatternLetters)};
    // Why the selected step changes nothing (an invalid expression, a number that is none).
    controls::Label lblFault;
    // How many rows the steps change and how many the batch would refuse.
    controls::Label lblSummary;
    controls::Button cmdRulesOK{"OK"};
    controls::Button cmdRulesCancel{"キャンセル"};

    // After OK, キャンセル or the close box, once the columns hold what they keep.
    controls::Signal<> closed;

private:
    struct Before
    {
        std::vector<std::string> baseNames;
        std::vector<std::string> extensions;
        std::vector<rename::PlannedName> names; // the two together, as the steps take them
        std::map<int, std::string> marks;
    };

    void connectSettings();
    void lstSteps_Click();
    // The selected step's settings into the controls, and which controls its kind shows.
    void showSelectedStep();
    // The settings controls that a step of kind `kind` (its index in StepKind) shows.
    std::vector<controls::Control *> settingsOfKind(std::size_t kind);
    void showFault();
    // The controls into the selected step; then the preview again.
    void settingsChanged();
    void refreshStepList();
    void moveSelectedStep(int by);
    void preview();
    // Marks each row the batch would refuse, with why, and counts them in the summary: a turn
    // of the event loop after the names it checks are shown, as it takes longer than the steps,
    // so that the names keep up with fast typing.
    void showProblems();
    rename::LocalTime rowDate(std::size_t row, rename::DateSource source);
    void close(bool keep);

    PlannedColumns m_columns;
    services::Services m_services;
    services::Coalesced m_preview{m_services.later, [this] {
                                      preview();
                                  }};
    services::Coalesced m_problems{m_services.later, [this] {
                                       showProblems();
                                   }};
    std::vector<rename::NameStep> m_steps;
    // Per step, why a setting of it cannot be read; such a step changes nothing.
    std::vector<std::string> m_settingFaults;
    std::vector<std::string> m_lastFaults; // per step, as the last preview found them
    std::optional<Before> m_before;        // while open
    std::optional<paths::FolderPath> m_folder;
    std::unique_ptr<rename::RememberedFolder> m_plannedFolder; // none where it cannot be opened
    rename::FolderNames m_folderNames;                         // of m_plannedFolder, read once
    std::vector<std::optional<rename::LocalTime>> m_modified, m_taken; // read when first asked
    // Rows the last preview dated by their modification time where the date taken was asked.
    std::set<int> m_modifiedForTaken;
    int m_refused = 0;      // rows the batch would refuse, as the last preview found them
    int m_changes = 0;      // rows the last preview changed
    bool m_showing = false; // the selected step is being put into the controls
};

} // namespace tavolin::renamewindow
