// The user's edits in the listing's text area: keys, the input method, the clipboard, the
// context menu, undo and redo.
#include "controls/qt/large_text_edit.h"

#include "controls/qt/shown_line.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <utility>

namespace tavolin::controls {

namespace {

// The copied bytes as they are, beside their text, so that bytes that are not UTF-8 survive a
// copy and a paste in the listing.
const QString kBytesFormat = QStringLiteral("application/x-tavolin-bytes");

// The keys that edit or move, which the window's shortcuts must not take from the text area.
const QKeySequence::StandardKey kEditKeys[] = {QKeySequence::Undo,
                                               QKeySequence::Redo,
                                               QKeySequence::Cut,
                                               QKeySequence::Copy,
                                               QKeySequence::Paste,
                                               QKeySequence::SelectAll};

bool isRedo(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return event->matches(QKeySequence::Redo)
           || (event->key() == Qt::Key_Y && modifiers == Qt::ControlModifier)
           || (event->key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier));
}

// Whether the key types its text: a character, not a control, with neither Ctrl nor Alt held (Alt
// and a letter press the window's buttons).
bool typesText(const QKeyEvent *event)
{
    const QString text = event->text();
    return !text.isEmpty()
           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
           && std::ranges::none_of(text,
                                   [](QChar c) { return c.category() == QChar::Other_Control; });
}

std::string utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

} // namespace

bool LargeTextEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool alt = key->modifiers().testFlag(Qt::AltModifier);
        if (std::ranges::any_of(kEditKeys, [key](auto edit) { return key->matches(edit); })
            || isRedo(key) || typesText(key)
            || (!alt && key->key() >= Qt::Key_Home && key->key() <= Qt::Key_PageDown)
            || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void LargeTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo))
        undo();
    else if (isRedo(event))
        redo();
    else if (event->matches(QKeySequence::Cut))
        cut();
    else if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::Paste))
        paste();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (!moveCaret(event) && !editWithKey(event))
        return QAbstractScrollArea::keyPressEvent(event);
    event->accept();
}

bool LargeTextEdit::editWithKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        replaceSelection("\r\n", EditKind::Other);
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (hasSelection()) {
            replaceSelection({}, EditKind::Other);
        } else if (event->key() == Qt::Key_Backspace) {
            const std::size_t from = previousCharacter(m_caret);
            replace(from, m_caret - from, {}, EditKind::Other);
        } else {
            replace(m_caret, nextCharacter(m_caret) - m_caret, {}, EditKind::Other);
        }
        return true;
    default:
        if (!typesText(event))
            return false;
        replaceSelection(utf8(event->text()), EditKind::Typed);
        return true;
    }
}

void LargeTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty())
        replaceSelection(utf8(event->commitString()), EditKind::Other);
    m_preedit = event->preeditString();
    viewport()->update();
    event->accept();
}

QVariant LargeTextEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return caretRect().translated(viewport()->pos());
    case Qt::ImFont:
        return font();
    case Qt::ImSurroundingText:
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition: {
        const ShownLine shown = shownLine(m_lines.lineOf(bytes(), m_caret));
        if (query == Qt::ImSurroundingText)
            return shown.characters;
        const std::size_t at = query == Qt::ImCursorPosition ? m_caret : m_anchor;
        return shown.indexOf(std::clamp(at, shown.start(), shown.end()));
    }
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void LargeTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    const auto add = [&](const QString &name,
                         QKeySequence::StandardKey key,
                         bool enabled,
                         void (LargeTextEdit::*action)()) {
        QAction *item = menu.addAction(name, this, action);
        item->setShortcut(key);
        item->setEnabled(enabled);
    };
    const bool selection = hasSelection();
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    add(QStringLiteral("元に戻す(&U)"),
        QKeySequence::Undo,
        m_history.canUndo(),
        &LargeTextEdit::undo);
    add(QStringLiteral("やり直し(&R)"),
        QKeySequence::Redo,
        m_history.canRedo(),
        &LargeTextEdit::redo);
    menu.addSeparator();
    add(QStringLiteral("切り取り(&T)"), QKeySequence::Cut, selection, &LargeTextEdit::cut);
    menu.addAction(QStringLiteral("コピー(&C)"), this, [this] { copy(); })->setEnabled(selection);
    add(QStringLiteral("貼り付け(&P)"),
        QKeySequence::Paste,
        clipboard && clipboard->hasText(),
        &LargeTextEdit::paste);
    menu.addAction(QStringLiteral("削除(&D)"), this, [this] {
            replaceSelection({}, EditKind::Other);
        })->setEnabled(selection);
    menu.addSeparator();
    add(QStringLiteral("すべて選択(&A)"),
        QKeySequence::SelectAll,
        size() > 0,
        &LargeTextEdit::selectAll);
    menu.exec(event->globalPos());
}

void LargeTextEdit::replace(std::size_t at,
                            std::size_t removed,
                            std::string inserted,
                            EditKind kind)
{
    const std::string_view text = bytes();
    if (!m_edited || text.substr(at, removed) == inserted)
        return;
    m_pending = PendingEdit{{at, std::string(text.substr(at, removed)), inserted}, kind};
    m_edited(at, removed, inserted); // the owner of the text shows it back with showSplice
    m_pending.reset();
    m_goalX.reset();
    setCaret(m_caret, true);
}

void LargeTextEdit::replaceSelection(std::string inserted, EditKind kind)
{
    replace(selectionStart(), selectionEnd() - selectionStart(), std::move(inserted), kind);
}

void LargeTextEdit::undo()
{
    if (!m_history.canUndo())
        return;
    EditHistory::Edit edit = m_history.undo();
    replace(edit.at, edit.removed.size(), std::move(edit.inserted), EditKind::Undo);
}

void LargeTextEdit::redo()
{
    if (!m_history.canRedo())
        return;
    EditHistory::Edit edit = m_history.redo();
    replace(edit.at, edit.removed.size(), std::move(edit.inserted), EditKind::Redo);
}

void LargeTextEdit::copy() const
{
    if (!hasSelection())
        return;
    const std::string_view selected
            = bytes().substr(selectionStart(), selectionEnd() - selectionStart());
    auto *data = new QMimeData;
    const QByteArray raw(selected.data(), static_cast<qsizetype>(selected.size()));
    data->setText(QString::fromUtf8(raw));
    data->setData(kBytesFormat, raw);
    QGuiApplication::clipboard()->setMimeData(data);
}

void LargeTextEdit::cut()
{
    copy();
    replaceSelection({}, EditKind::Other);
}

void LargeTextEdit::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    const std::string pasted = data->hasFormat(kBytesFormat)
                                       ? data->data(kBytesFormat).toStdString()
                                       : utf8(data->text());
    replaceSelection(withCrLfLineEnds(pasted), EditKind::Other);
}

void LargeTextEdit::selectAll()
{
    m_anchor = 0;
    setCaret(bytes().size(), true);
}

} // namespace tavolin::controls
