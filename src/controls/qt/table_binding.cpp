#include "controls/qt/control_bindings.h"

#include "controls/qt/list_box_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
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
    for (const auto &[name, control] : table) {
        std::visit(
                [&, name = name](auto *model) {
                    using Model = std::remove_pointer_t<decltype(model)>;
                    if constexpr (std::is_same_v<Model, Button>)
                        button(widgetFor<QAbstractButton>(root, name), *model);
                    else if constexpr (std::is_same_v<Model, CheckBox>)
                        checkBox(widgetFor<QCheckBox>(root, name), *model);
                    else if constexpr (std::is_same_v<Model, OptionButton>)
                        optionButton(widgetFor<QRadioButton>(root, name), *model);
                    else if constexpr (std::is_same_v<Model, Label>)
                        label(widgetFor<QLabel>(root, name), *model);
                    else if constexpr (std::is_same_v<Model, ComboBox>)
                        comboBox(widgetFor<QComboBox>(root, name), *model);
                    else if constexpr (std::is_same_v<Model, Frame>)
                        frame(widgetFor<QGroupBox>(root, name), *model);
                    else if constexpr (std::is_same_v<Model, ListBox>)
                        listBox(widgetFor<ListBoxView>(root, name), *model);
                    else if constexpr (std::is_same_v<Model, DriveList>)
                        driveList(widgetFor<DriveComboBox>(root, name), *model);
                    else if constexpr (std::is_same_v<Model, FolderList>)
                        folderList(widgetFor<QListWidget>(root, name),
                                   *model,
                                   lists.openFolder,
                                   lists.describe);
                    else if constexpr (std::is_same_v<Model, FileList>)
                        fileList(widgetFor<QListView>(root, name), *model, lists.describe);
                    else if constexpr (std::is_same_v<Model, TextBox>) {
                        const QString objectName = QString::fromStdString(name);
                        if (auto *lines = root->findChild<QPlainTextEdit *>(objectName))
                            textEdit(lines, *model);
                        else
                            lineEdit(widgetFor<QLineEdit>(root, name), *model);
                    }
                },
                control);
    }
}

} // namespace tavolin::controls
