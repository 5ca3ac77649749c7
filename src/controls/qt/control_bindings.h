#pragma once

#include "controls/control_table.h"
#include "controls/controls.h"
#include "controls/folder_lists.h"
#include "controls/list_box.h"
#include "controls/qt/drive_combo_box.h"
#include "controls/signal.h"
#include "controls/window_state.h"

#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QByteArray;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QWidget;

namespace tavolin::controls {

class ElidedLabel;
class LargeTextEdit;
class ListBoxView;
class ScreenFit;

// Keeps widgets and control models in step: a widget shows its model's state and forwards
// what the user does to it. Each control's binding has a file of its own. Everything bound is let
// go when the Bindings object goes away, so a view must own its Bindings and be destroyed before
// the models.
class Bindings
{
public:
    // Enter on the focused button presses it; the model's default button gets Enter only while
    // the focus is elsewhere.
    void button(QAbstractButton *widget, Button &model);
    void checkBox(QCheckBox *widget, CheckBox &model);
    // The items are the model's from the start; the user's pick goes to setSelectedIndex.
    void comboBox(QComboBox *widget, ComboBox &model);
    // An ElidedLabel (for a path) elides the caption's middle as it must, and shows the whole
    // caption as its tooltip.
    void label(QLabel *widget, Label &model);
    void optionButton(QRadioButton *widget, OptionButton &model);
    void frame(QGroupBox *widget, Frame &model);
    // The widget shows the model's rows and selected row, and nothing else: only the user's
    // picks reach the model (as clickRow), and whatever the widget does to its selection by
    // itself is undone.
    void listBox(ListBoxView *widget, ListBox &model);
    void lineEdit(QLineEdit *widget, TextBox &model);
    // The widget applies each splice of the model's text, and the user's edits go to
    // TextBox::replace.
    void textEdit(LargeTextEdit *widget, TextBox &model);
    // The user's pick goes to DriveList::pick; the drives are read again as the list opens.
    void driveList(DriveComboBox *widget, DriveList &model);
    // Why a list could not be read, in the words of the window that shows it.
    using DescribeError = std::function<std::string(const services::FsError &error)>;
    // Shows the folder's ancestors and subfolders; `open` runs with the folder the user opened.
    // Where the subfolders could not be read, a row that cannot be opened says why.
    void folderList(QListWidget *widget,
                    FolderList &model,
                    std::function<void(std::string)> open,
                    DescribeError describe);
    // Where the files could not be read, the only row says why.
    void fileList(QListView *widget, FileList &model, DescribeError describe);
    // The busy pointer, the width (in twips, 15 to a pixel, as the width of the window's body),
    // staying on top, and closing.
    void window(QWidget *widget, WindowState &model, ScreenFit &fit);

    // What the lists of a table need besides their models: where a folder the user opened
    // goes, and how a list says why it could not be read.
    struct ListHandlers
    {
        std::function<void(std::string)> openFolder;
        DescribeError describe;
    };
    // Binds each control of `table` to the widget under `root` named as it is, in the table's
    // order. A control without a widget of its kind is a fault of the view: the program ends
    // naming it.
    void bindAll(QWidget *root, const ControlTable &table, const ListHandlers &lists = {});

private:
    static void showAppearance(QWidget *widget, const Control &model);
    static QByteArray bytesOf(const std::string &path);
    void keep(Connection connection) { m_connections.push_back(std::move(connection)); }

    std::vector<Connection> m_connections;
};

} // namespace tavolin::controls
