#include "platform/qt/qt_dialogs.h"

#include "text/qt/qt_strings.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace tavolin::services {

namespace {

// "Textﾌｧｲﾙ (.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*" as Qt name filters. The description is shown as it
// stands; "*.*" becomes "*" so that it matches names without a dot as well.
QStringList toQtNameFilters(std::string_view filter)
{
    const QStringList parts = text::toQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

// The pair of the filter whose file type is selected in `dialog`, which names it by its
// description alone (see QFileDialog::HideNameFilterDetails).
std::size_t chosenType(const QFileDialog &dialog)
{
    const QStringList filters = dialog.nameFilters();
    const QString shown = dialog.selectedNameFilter();
    for (qsizetype i = 0; i < filters.size(); ++i)
        if (filters[i] == shown || filters[i].startsWith(shown + QLatin1String(" (")))
            return static_cast<std::size_t>(i);
    return 0;
}

// The extension that the file type `type` of `filter` gives names, with its dot: ".csv" for
// "CSVﾌｧｲﾙ (.csv)|*.csv"; empty for "*.*" and for types of several patterns.
QString extensionOfType(std::string_view filter, std::size_t type)
{
    const QStringList parts = text::toQString(filter).split(QLatin1Char('|'));
    const auto patterns = static_cast<qsizetype>(2 * type + 1);
    if (patterns >= parts.size())
        return {};
    const QString &pattern = parts[patterns];
    const QString extension = pattern.mid(1);
    static const QRegularExpression plain(QStringLiteral("^\\.[^*?;.]+$"));
    if (!pattern.startsWith(QLatin1Char('*')) || !plain.match(extension).hasMatch())
        return {};
    return extension;
}

// Keeps a dialog that has been shown inside its screen's available area: smaller where the area
// is smaller (its layout then gives each control less room), and moved inside.
class InsideScreen : public QObject
{
public:
    explicit InsideScreen(QWidget *dialog)
        : QObject(dialog)
        , m_dialog(dialog)
    {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog && event->type() == QEvent::Show)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit()
    {
        const QRect area = m_dialog->screen()->availableGeometry();
        QSize frame = m_dialog->frameGeometry().size() - m_dialog->size();
        if (frame.height() <= 0) // not framed yet: at least a title bar
            frame.setHeight(m_dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight));
        const QSize room = area.size() - frame;
        if (m_dialog->width() > room.width() || m_dialog->height() > room.height()) {
            m_dialog->setMinimumSize(m_dialog->minimumSize().boundedTo(room));
            m_dialog->resize(m_dialog->size().boundedTo(room));
        }
        const QSize outer = m_dialog->size() + frame;
        const QPoint corner = m_dialog->frameGeometry().topLeft();
        m_dialog->move(std::clamp(corner.x(), area.left(), area.right() + 1 - outer.width()),
                       std::clamp(corner.y(), area.top(), area.bottom() + 1 - outer.height()));
    }

    QWidget *m_dialog;
};

// A message taller than half the screen's available area scrolls inside its box, so that the
// box and its buttons stay on the screen: the list of rows that stop a batch on a small screen.
void scrollTallText(QMessageBox &box)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    const int room = box.screen()->availableGeometry().height() / 2;
    if (!label || !grid || label->sizeHint().height() <= room)
        return;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rows, &columns);
    grid->removeWidget(label);
    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setFixedHeight(room);
    scroll->setMinimumWidth(label->sizeHint().width()
                            + scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    scroll->setWidget(label);
    grid->addWidget(scroll, row, column, rows, columns);
}

} // namespace

MessageAnswer QtDialogs::showMessage(std::string_view text,
                                     std::string_view title,
                                     MessageButtons buttons,
                                     MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    text::toQString(title),
                    text::toQString(text),
                    QMessageBox::Ok,
                    QApplication::activeWindow());
    new InsideScreen(&box);
    if (buttons == MessageButtons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    scrollTallText(box);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<SaveChoice> QtDialogs::askFileName(const FileDialogSettings &settings, bool save)
{
    QFileDialog dialog(QApplication::activeWindow(), text::toQString(settings.title));
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    new InsideScreen(&dialog);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite
                      | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(toQtNameFilters(settings.filter));
    if (!m_lastFolder.isEmpty())
        dialog.setDirectory(m_lastFolder);
    if (!settings.fileName.empty())
        dialog.selectFile(text::toQString(settings.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString path = dialog.selectedFiles().constFirst();
    const std::size_t type = chosenType(dialog);
    const QFileInfo file(path);
    m_lastFolder = file.absolutePath();
    if (save && !file.fileName().contains(QLatin1Char('.')))
        path += extensionOfType(settings.filter, type);
    return SaveChoice{text::fromQString(path), type};
}

std::optional<SaveChoice> QtDialogs::askSaveFileName(const FileDialogSettings &settings)
{
    return askFileName(settings, true);
}

std::optional<std::string> QtDialogs::askOpenFileName(const FileDialogSettings &settings)
{
    const auto chosen = askFileName(settings, false);
    return chosen ? std::optional(chosen->path) : std::nullopt;
}
std::string QtDialogs::askText(std::string_view prompt, std::string_view title)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(),
                                               text::toQString(title),
                                               text::toQString(prompt),
                                               QLineEdit::Normal,
                                               QString(),
                                               &ok);
    return ok ? text::fromQString(text) : std::string();
}

} // namespace tavolin::services
