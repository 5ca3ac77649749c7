#pragma once

#include <QIcon>

namespace tavolin {

// The program's icon at every size that was drawn for it, for the windows and the task bar.
QIcon programIcon();

} // namespace tavolin
