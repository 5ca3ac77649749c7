#pragma once

#include "services/services.h"

namespace tavolin::renamewindow {

// At start: for each batch of renames that was cut off (killed, crashed, power lost), says so
// and offers to finish it or to put every name back, then says what was done and what could not
// be. A journal that cannot be read or does not match its folder is reported and kept, never
// acted on; a batch the user leaves for now is asked about at the next start.
void offerToSettleCutOffBatches(const services::Services &services);

} // namespace tavolin::renamewindow
