#pragma once

#include <QLabel>
#include <QString>

namespace tavolin::controls {

// A one-line label for a path: when the whole text does not fit, the middle of what comes before
// the last folder's own name gives way to "…", so that both the root and that name stay in sight
// (a name too long for the label gives way too); the tooltip holds the whole text. It takes
// whatever width its layout gives it, and elides again as that or the text changes.
class ElidedLabel : public QLabel
{
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    const QString &fullText() const { return m_full; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();

    QString m_full;
};

} // namespace tavolin::controls
