#include "controls/qt/elided_label.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

namespace tavolin::controls {

ElidedLabel::ElidedLabel(QWidget *parent)
    : QLabel(parent)
{
    // The width of the whole text would widen the window for a long path: the layout decides.
    setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
}

void ElidedLabel::setFullText(const QString &text)
{
    m_full = text;
    setToolTip(text);
    elide();
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        elide();
}

void ElidedLabel::elide()
{
    // What QLabel keeps clear inside its frame: the margins, and an indent of half an "x" on
    // the side the text is aligned to.
    const QFontMetrics metrics = fontMetrics();
    int room = contentsRect().width() - 2 * margin();
    room -= indent() >= 0 ? indent() : (frameWidth() > 0 ? metrics.horizontalAdvance(u'x') / 2 : 0);
    room = std::max(room, 0);
    if (metrics.horizontalAdvance(m_full) <= room) {
        setText(m_full);
        return;
    }
    // The root and the last folder's own name stay whole while they fit (with the separators
    // about that name): only the folders between them give way, in their middle.
    static const QString separators = QStringLiteral("/\\");
    qsizetype cut = m_full.size() - 1;
    while (cut > 0 && separators.contains(m_full[cut]))
        --cut; // past the separators that end a folder's path
    while (cut > 0 && !separators.contains(m_full[cut]))
        --cut;
    qsizetype rootEnd = 0;
    while (rootEnd < cut && !separators.contains(m_full[rootEnd]))
        ++rootEnd;
    const QString root = m_full.left(rootEnd + 1);
    const QString last = m_full.mid(cut);
    const int between = room - metrics.horizontalAdvance(root) - metrics.horizontalAdvance(last);
    if (rootEnd < cut && between >= metrics.horizontalAdvance(QChar(0x2026))) { // "…"
        const QString middle = m_full.mid(rootEnd + 1, cut - rootEnd - 1);
        setText(root + metrics.elidedText(middle, Qt::ElideMiddle, between) + last);
        return;
    }
    setText(metrics.elidedText(m_full, Qt::ElideMiddle, room));
}

} // namespace tavolin::controls
