#pragma once

#include "order/file_order.h"
#include "services/file_system.h"
#include "services/work_end.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavolin::listing {

// How an enumeration ended.
struct Enumerated
{
    bool foundAny = false; // at least one name
    // Stopped: the user stopped it, and there are no names; else Done.
    services::WorkEnd end = services::WorkEnd::Done;
};

// Fills `names` with the ordinary files that `pattern` names, in `order`, followed by one empty
// slot: N names give N + 1 slots, so names.size() - 1 is the number found. Whatever `names` held
// before is replaced; an adaptor over readFolder, which tells `progress` how far it has come.
// Fails with the error that kept the folder from being read; then, and when stopped, `names`
// holds only the empty slot.
services::FsResult<Enumerated> GetFileList(services::FileSystem &fs,
                                           const paths::FilePattern &pattern,
                                           std::vector<std::string> &names,
                                           order::FileOrder order,
                                           services::Progress *progress = nullptr);

} // namespace tavolin::listing
