#include "folderchooser/frm_dialog.h"

#include "folderchooser/set_top_most.h"
#include "shared/fs_error_text.h"

namespace tavolin::folderchooser {

namespace {

constexpr std::string_view kInsertMedium = "フロッピーディスクをセットしてください";
constexpr std::string_view kNewFolderPrompt = "作成するフォルダ名を入力してください。";
constexpr std::string_view kNewFolderTitle = "フォルダ作成";
constexpr std::string_view kNoFolderName = "新規フォルダ名を入力してないため、キャンセルします";

} // namespace

FrmDialog::FrmDialog(Module1 &module, const services::Services &services, FolderTargets targets)
    : m_module(module)
    , m_services(services)
    , m_targets(std::move(targets))
    , Drive1(services.drives, services.process.currentFolder())
    , Dir1(services.fs, services.process.currentFolder())
    // Whatever keeps a drive from opening, the program goes on: the chooser says why and goes
    // back to the drive of the folder it shows.
    , m_folderLink(Drive1,
                   Dir1,
                   shared::showUnopenableFolder(services.dialogs, kInsertMedium),
                   /*backOnFailure=*/true)
{
    Dir1.changed.connect([this] { Dir1_Change(); });
    cmdNewF.clicked.connect([this] { cmdNewF_Click(); });
    cmdOK.clicked.connect([this] { cmdOK_Click(); });
    cmdCansel.clicked.connect([this] { cmdCansel_Click(); });
}

void FrmDialog::Form_Load()
{
    const std::string &written = m_module.flgFileName == ChooserServes::RenameWindow
                                         ? m_module.strRenamePath
                                         : m_module.strMainPath;
    if (!written.empty()) {
        // A folder typed from the current folder ("データ/") is shown, and so delivered, from
        // the root: the rename window's scan takes no other.
        const std::string remembered
                = paths::absolutePath(style(), m_services.process.currentFolder(), written);
        Label1.setCaption(remembered);
        Drive1.setDrive(remembered);
        // A remembered folder that is gone opens at its nearest parent that still opens (or
        // the folder list stays where it is); the label then shows that folder, so that OK
        // never delivers a folder that does not exist.
        if (!Dir1.setPath(remembered)) {
            openNearestParent(remembered);
            Label1.setCaption(Dir1.folder().field());
        }
    } else {
        // One separator is appended whatever the folder: at the root the label ends in two.
        Label1.setCaption(Dir1.path() + style().separator());
    }
    Text2.setText(std::to_string(SetTopMost(window)));
}

void FrmDialog::openNearestParent(std::string_view folder)
{
    for (auto parent = paths::FolderPath(style(), folder).parent(); parent;
         parent = parent->parent()) {
        if (Dir1.setPath(parent->path()))
            return;
    }
}

void FrmDialog::Dir1_Change()
{
    Label1.setCaption(Dir1.folder().field());
}

void FrmDialog::openFolder(std::string_view path)
{
    (void)m_folderLink.open(path);
}

void FrmDialog::cmdNewF_Click()
{
    const std::string name = m_services.dialogs.askText(kNewFolderPrompt, kNewFolderTitle);
    if (name.empty()) {
        m_services.dialogs.showMessage(kNoFolderName);
        return;
    }
    if (auto created = m_services.fs.createFolder(Dir1.folder(), name); !created) {
        m_services.dialogs.showMessage("フォルダ「" + name + "」を作成できませんでした。\n"
                                       + shared::describeFailure(created.error()));
        return;
    }
    Dir1.refresh();
    (void)Dir1.setPath(Dir1.folder().child(name));
}

void FrmDialog::cmdOK_Click()
{
    const std::string chosen = Label1.caption();
    if (m_module.flgFileName == ChooserServes::RenameWindow) {
        if (m_targets.renameWindow)
            m_targets.renameWindow(chosen);
        m_module.strRenamePath = chosen;
    } else {
        if (m_targets.mainWindow)
            m_targets.mainWindow(chosen);
        m_module.strMainPath = chosen;
    }
    window.close();
}

void FrmDialog::cmdCansel_Click()
{
    window.close();
}

controls::ControlTable FrmDialog::controlTable()
{
    return {{"Label1", &Label1},
            {"Drive1", &Drive1},
            {"Dir1", &Dir1},
            {"cmdNewF", &cmdNewF},
            {"cmdOK", &cmdOK},
            {"cmdCansel", &cmdCansel},
            {"Text2", &Text2}};
}

} // namespace tavolin::folderchooser
