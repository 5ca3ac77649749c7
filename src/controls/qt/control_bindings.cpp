#include "controls/qt/control_bindings.h"

#include "controls/qt/uniform_rows.h"
#include "text/qt/qt_strings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyle>

namespace tavolin::controls {

namespace {

constexpr int kPathRole = Qt::UserRole;

// Presses the watched button on Enter while it has the focus. Qt would leave Enter on a
// button that is not the default one to the window, which hands it to the default button.
class EnterPresses : public QObject
{
public:
    explicit EnterPresses(QAbstractButton *button)
        : QObject(button)
        , m_button(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

template<typename Model>
void showAppearance(QWidget *widget, const Model &model)
{
    widget->setEnabled(model.enabled());
    widget->setVisible(model.visible());
}

QString fromModelLines(const std::string &text)
{
    QString shown = text::toQString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

std::string toModelLines(const QString &shown)
{
    QString text = shown;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text::fromQString(text);
}

QByteArray bytesOf(const std::string &path)
{
    return QByteArray(path.data(), static_cast<qsizetype>(path.size()));
}

} // namespace

void Bindings::button(QAbstractButton *widget, Button &model)
{
    const auto show = [widget, &model] {
        widget->setText(text::toQString(model.caption()));
        showAppearance(widget, model);
        if (auto *push = qobject_cast<QPushButton *>(widget))
            push->setDefault(model.isDefault());
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
    QObject::connect(widget, &QAbstractButton::clicked, widget, [&model] { model.click(); });
    new EnterPresses(widget);
}

void Bindings::checkBox(QCheckBox *widget, CheckBox &model)
{
    const auto show = [widget, &model] {
        const QSignalBlocker blocker(widget);
        widget->setText(text::toQString(model.caption()));
        widget->setCheckState(model.value() == 0   ? Qt::Unchecked
                              : model.value() == 1 ? Qt::Checked
                                                   : Qt::PartiallyChecked);
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
    QObject::connect(widget, &QCheckBox::clicked, widget, [widget, &model] {
        model.setValue(widget->checkState() == Qt::Checked ? 1 : 0);
    });
}

void Bindings::label(QLabel *widget, Label &model)
{
    const auto show = [widget, &model] {
        widget->setText(text::toQString(model.caption()));
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
}

void Bindings::optionButton(QRadioButton *widget, OptionButton &model)
{
    const auto show = [widget, &model] {
        const QSignalBlocker blocker(widget);
        widget->setText(text::toQString(model.caption()));
        widget->setChecked(model.value());
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
    QObject::connect(widget, &QRadioButton::clicked, widget, [&model] { model.setValue(true); });
}

void Bindings::frame(QGroupBox *widget, Frame &model)
{
    const auto show = [widget, &model] {
        widget->setTitle(text::toQString(model.caption()));
        showAppearance(widget, model);
    };
    show();
    keep(model.appearanceChanged.connectScoped(show));
}

void Bindings::lineEdit(QLineEdit *widget, TextBox &model)
{
    const auto showText = [widget, &model] {
        if (text::fromQString(widget->text()) != model.text()) {
            const QSignalBlocker blocker(widget);
            widget->setText(text::toQString(model.text()));
        }
    };
    const auto showAppearanceOnly = [widget, &model] {
        showAppearance(widget, model);
    };
    showText();
    showAppearanceOnly();
    keep(model.changed.connectScoped(showText));
    keep(model.appearanceChanged.connectScoped(showAppearanceOnly));
    keep(model.focusRequested.connectScoped([widget] { widget->setFocus(); }));
    QObject::connect(widget, &QLineEdit::textEdited, widget, [&model](const QString &text) {
        model.setText(text::fromQString(text));
    });
}

void Bindings::textEdit(QPlainTextEdit *widget, TextBox &model)
{
    // What the widget holds, in the model's terms, so that an edit by the user and the
    // model's echo of it do not set the text twice.
    auto shownText = std::make_shared<std::string>(model.text());
    widget->setPlainText(fromModelLines(model.text()));
    // Tab moves the focus on, as from every other control: typed into the text, it would
    // change the listing of a user who only meant to move on.
    widget->setTabChangesFocus(true);
    const auto showText = [widget, &model, shownText] {
        if (*shownText == model.text())
            return;
        *shownText = model.text();
        const QSignalBlocker blocker(widget);
        widget->setPlainText(fromModelLines(model.text()));
    };
    keep(model.changed.connectScoped(showText));
    keep(model.appearanceChanged.connectScoped(
            [widget, &model] { showAppearance(widget, model); }));
    keep(model.focusRequested.connectScoped([widget] { widget->setFocus(); }));
    QObject::connect(widget, &QPlainTextEdit::textChanged, widget, [widget, &model, shownText] {
        *shownText = toModelLines(widget->toPlainText());
        model.setText(*shownText);
    });
}

void Bindings::driveList(DriveComboBox *widget, DriveList &model)
{
    const auto show = [widget, &model] {
        const QSignalBlocker blocker(widget);
        widget->clear();
        for (const services::DriveInfo &drive : model.available()) {
            QString text = text::toQString(drive.root);
            if (!drive.label.empty() && drive.label != drive.root)
                text += QLatin1String(" [") + text::toQString(drive.label) + QLatin1Char(']');
            widget->addItem(text, bytesOf(drive.root));
        }
        int current = widget->findData(bytesOf(model.drive()));
        if (current < 0) {
            widget->addItem(text::toQString(model.drive()), bytesOf(model.drive()));
            current = widget->count() - 1;
        }
        widget->setCurrentIndex(current);
        showAppearance(widget, model);
    };
    show();
    keep(model.changed.connectScoped(show));
    keep(model.volumesChanged.connectScoped(show));
    widget->aboutToOpen = [&model] {
        model.refresh();
    };
    QObject::connect(widget, &QComboBox::activated, widget, [widget, &model](int index) {
        model.pick(widget->itemData(index).toByteArray().toStdString());
    });
}

void Bindings::folderList(QListWidget *widget,
                          FolderList &model,
                          std::function<void(std::string)> open)
{
    giveUniformRows(widget);
    const auto show = [widget, &model] {
        const QSignalBlocker blocker(widget);
        widget->clear();
        const QIcon openIcon = widget->style()->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon closedIcon = widget->style()->standardIcon(QStyle::SP_DirClosedIcon);
        int current = -1;
        for (const FolderRow &row : model.rows()) {
            auto *item = new QListWidgetItem(row.open ? openIcon : closedIcon,
                                             QString(row.depth * 2, QLatin1Char(' '))
                                                     + text::toQString(row.name),
                                             widget);
            item->setData(kPathRole, bytesOf(row.path));
            if (row.open)
                ++current;
        }
        widget->setCurrentRow(current);
        showAppearance(widget, model);
    };
    show();
    keep(model.contentsChanged.connectScoped(show));
    QObject::connect(widget, &QListWidget::itemActivated, widget, [open](QListWidgetItem *item) {
        open(item->data(kPathRole).toByteArray().toStdString());
    });
}

void Bindings::fileList(QListView *widget, FileList &model)
{
    auto *names = new QStringListModel(widget);
    widget->setModel(names);
    giveUniformRows(widget);
    // The file list only shows the folder's files: a highlight on a row would be a selection
    // no model knows of.
    widget->setSelectionMode(QAbstractItemView::NoSelection);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto show = [names, &model] {
        QStringList shown;
        shown.reserve(static_cast<qsizetype>(model.names().size()));
        for (const std::string &name : model.names())
            shown << text::toDisplayName(name);
        names->setStringList(shown);
    };
    show();
    keep(model.changed.connectScoped(show));
}

void Bindings::window(QWidget *widget, WindowState &model)
{
    const auto showWidth = [widget, &model] {
        if (model.widthTwips() > 0)
            widget->setFixedWidth(model.widthPixels());
    };
    const auto showTopMost = [widget, &model] {
        if (widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == model.topMost())
            return;
        const bool wasVisible = widget->isVisible();
        widget->setWindowFlag(Qt::WindowStaysOnTopHint, model.topMost());
        if (wasVisible) // changing the flags hides a window
            widget->show();
    };
    showWidth();
    showTopMost();
    keep(model.pointerChanged.connectScoped([&model] {
        if (model.pointer() == MousePointer::Busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }));
    keep(model.widthChanged.connectScoped(showWidth));
    keep(model.topMostChanged.connectScoped(showTopMost));
    keep(model.closeRequested.connectScoped([widget] { widget->close(); }));
}

} // namespace tavolin::controls
