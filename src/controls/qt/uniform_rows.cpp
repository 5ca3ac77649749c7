#include "controls/qt/uniform_rows.h"

#include <QApplication>
#include <QListView>
#include <QStyledItemDelegate>

namespace tavolin::controls {

namespace {

// Latin with accents and descenders, kanji, hiragana, full- and half-width katakana: the
// scripts of the program's names, each drawn from whichever font holds it.
const QString kSample = QStringLiteral(u"ÁÉgjpqy漢字かなカナｶﾞﾅ");

class UniformRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        QStyleOptionViewItem sample = option;
        initStyleOption(&sample, index); // keeps the row's icon, if it has one
        sample.text = kSample;
        const QWidget *widget = sample.widget;
        const QStyle *style = widget ? widget->style() : QApplication::style();
        size.setHeight(style->sizeFromContents(QStyle::CT_ItemViewItem, &sample, QSize(), widget)
                               .height());
        return size;
    }
};

} // namespace

void giveUniformRows(QListView *view)
{
    view->setItemDelegate(new UniformRowDelegate(view));
    // Every row measures like the last one, which is also what makes long lists quick.
    view->setUniformItemSizes(true);
}

} // namespace tavolin::controls
