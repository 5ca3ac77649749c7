#include "support/screenshots.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace tavolin::test {

QString saveScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = QStringLiteral(TAVOLIN_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

} // namespace tavolin::test
