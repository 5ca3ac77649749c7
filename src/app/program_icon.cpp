#include "app/program_icon.h"

#include <QDirIterator>

// The icons are compiled into this library; a static library has to ask for them, and from
// outside any namespace.
static void loadIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace tavolin {

QIcon programIcon()
{
    loadIconResources();
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"),
                       {QStringLiteral("tavolin.png")},
                       QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace tavolin
