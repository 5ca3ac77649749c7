#include "controls/qt/folder_drops.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace tavolin::controls {

namespace {

// The first local file or folder the drag carries; empty when it carries none.
QString firstLocalPath(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

FolderDrops::FolderDrops(QWidget *window, std::function<void(const std::string &)> dropped)
    : QObject(window)
    , m_dropped(std::move(dropped))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
    }
}

bool FolderDrops::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString path = firstLocalPath(drop->mimeData());
    if (path.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        m_dropped(QFile::encodeName(path).toStdString());
    return true;
}

} // namespace tavolin::controls
