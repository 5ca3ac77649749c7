#pragma once

#include "paths/path_style.h"
#include "services/process.h"

#include <string>

namespace tavolin::shared {

// The folder both windows start in: the program's own folder when it is a folder of the user's
// (one the user may write to, outside the system's folders), otherwise the user's home folder,
// so that an installed program never opens on the system's program files.
std::string startFolder(services::ProcessServices &process, const paths::PathStyle &style);

} // namespace tavolin::shared
