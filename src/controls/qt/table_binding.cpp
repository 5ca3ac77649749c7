#include "controls/qt/control_bindings.h"

#include "controls/qt/large_text_edit.h"
#include "controls/qt/list_box_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>
#include <QWidget>

namespace tavolin::controls {

namespace {

// The widget `name` under `root`, of the kind `Widget`.
template<typename Widget>
Widget *widgetFor(QWidget *root, const std::string &name)
{
    auto *widget = root->findChild<Widget *>(QString::fromStdString(name));
    if (!widget)
        qFatal("the view has no widget of its kind for the control %s", name.c_str());
    return widget;
}

} // namespace

void Bindings::bindAll(QWidget *root, const ControlTable &table, const ListHandlers &lists)
{
    for (const NamedControl &entry : table) {
        const std::string &name = entry.name;
        std::visit(
                VisitByKind{
                        [&](Button *m) { button(widgetFor<QAbstractButton>(root, name), *m); },
                        [&](CheckBox *m) { checkBox(widgetFor<QCheckBox>(root, name), *m); },
                        [&](OptionButton *m) {
                            optionButton(widgetFor<QRadioButton>(root, name), *m);
                        },
                        [&](Label *m) { label(widgetFor<QLabel>(root, name), *m); },
                        [&](ComboBox *m) { comboBox(widgetFor<QComboBox>(root, name), *m); },
                        [&](Frame *m) { frame(widgetFor<QGroupBox>(root, name), *m); },
                        [&](ListBox *m) { listBox(widgetFor<ListBoxView>(root, name), *m); },
                        [&](DriveList *m) { driveList(widgetFor<DriveComboBox>(root, name), *m); },
                        [&](FolderList *m) {
                            folderList(widgetFor<QListWidget>(root, name),
                                       *m,
                                       lists.openFolder,
                                       lists.describe);
                        },
                        [&](FileList *m) {
                            fileList(widgetFor<QListView>(root, name), *m, lists.describe);
                        },
                        // A text box of several lines or of one.
                        [&](TextBox *m) {
                            if (auto *lines
                                = root->findChild<LargeTextEdit *>(QString::fromStdString(name)))
                                textEdit(lines, *m);
                            else
                                lineEdit(widgetFor<QLineEdit>(root, name), *m);
                        }},
                entry.control);
    }
}

} // namespace tavolin::controls
