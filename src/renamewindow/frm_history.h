#pragma once

#include "controls/control_table.h"
#include "controls/controls.h"
#include "controls/list_box.h"
#include "controls/long_work.h"
#include "controls/window_state.h"
#include "rename/batch_history.h"
#include "rename/batch_journal.h"
#include "services/services.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::renamewindow {

// The history of batches: every batch whose journal is kept, newest first, with when it ran, its
// kind, its state, how many files and its folder; the selected batch's renames (old name → new
// name) below, narrowed to the rows that hold the filter's text. The selected batch is taken
// back (元に戻す), also when it is not the last one: the later batches in force over its files
// are named first, and taken back too, newest first, only when the user agrees. Each file moves
// only while it is still the file the batch left under the name it gave; the others stay as they
// are and are listed with why. A batch is exported as the rename window's sheet (old, new), and
// its folder opened in the rename window.
class FrmHistory
{
public:
    static constexpr int kWidth = 10500; // twips

    // `openFolder` opens a folder in the rename window and scans it.
    FrmHistory(const services::Services &services,
               std::function<void(const std::string &)> openFolder);
    FrmHistory(const FrmHistory &) = delete;
    FrmHistory &operator=(const FrmHistory &) = delete;

    // Lists the batches kept now and shows the newest; also after each taking back.
    void Form_Load();
    void lstBatches_Click();
    void txtFilter_Change();
    void cmdOpenFolder_Click();
    void cmdUndoBatch_Click();
    void cmdExport_Click();
    void cmdClose_Click();
    // Whether the window may close now: not while a batch is being taken back.
    bool Form_QueryUnload() const;

    // Every control of the window by the name of its widget.
    controls::ControlTable controlTable();

    // After a taking back, with the folder whose names it changed.
    controls::Signal<const std::string &> folderRenamed;

    controls::WindowState window{kWidth};
    controls::ListBox lstBatches;
    controls::Label lblFilter{"絞り込み"};
    controls::TextBox txtFilter;
    controls::Label lblRenames; // how many renames the batch holds, and how many are shown
    controls::ListBox lstRenames;
    controls::Button cmdOpenFolder{"このﾌｫﾙﾀﾞを開く", /*enabled=*/false};
    controls::Button cmdUndoBatch{"元に戻す", /*enabled=*/false};
    controls::Button cmdExport{"一覧を保存...", /*enabled=*/false};
    controls::Button cmdClose{"閉じる"};

private:
    const rename::KeptBatch *selected() const;
    // The batch selected, its renames as the filter leaves them, and what may be done with it.
    void showSelected();
    void showRenames();
    // The question before taking back `batch`, and `later` (ids, newest first) before it.
    std::string undoQuestion(const rename::KeptBatch &batch,
                             const std::vector<std::string> &later) const;

    services::Services m_services;
    std::function<void(const std::string &)> m_openFolder;
    std::vector<rename::KeptBatch> m_batches;    // as lstBatches lists them
    std::optional<rename::BatchJournal> m_shown; // the selected batch's journal
};

} // namespace tavolin::renamewindow
