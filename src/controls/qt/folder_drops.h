#pragma once

#include <QObject>

#include <functional>
#include <string>

class QWidget;

namespace tavolin::controls {

// Folders and files dragged from the file manager onto a window: each widget of the window,
// the text boxes among them, takes a drop of local files for the window (and never inserts the
// paths as text); `dropped` runs with the first path's bytes. Other drops (text) go on as usual.
class FolderDrops : public QObject
{
public:
    FolderDrops(QWidget *window, std::function<void(const std::string &path)> dropped);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const std::string &)> m_dropped;
};

} // namespace tavolin::controls
