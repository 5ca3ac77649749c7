#include "platform/qt/qt_dialogs.h"

#include "text/qt/qt_strings.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

std::optional<SaveChoice> askFileName(const FileDialogSettings &settings,
                                      QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), text::toQString(settings.title));
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite
                      | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilters(toQtNameFilters(settings.filter));
    if (!settings.fileName.empty())
        dialog.selectFile(text::toQString(settings.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{text::fromQString(dialog.selectedFiles().constFirst()), chosenType(dialog)};
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
    if (buttons == MessageButtons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<SaveChoice> QtDialogs::askSaveFileName(const FileDialogSettings &settings)
{
    return askFileName(settings, QFileDialog::AcceptSave);
}

std::optional<std::string> QtDialogs::askOpenFileName(const FileDialogSettings &settings)
{
    const auto chosen = askFileName(settings, QFileDialog::AcceptOpen);
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
