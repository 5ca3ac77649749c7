#pragma once

namespace tavolin {

// Makes every block of a megabyte or more come straight from the system and go straight back to
// it when freed. A scan of a million files works in blocks of tens of megabytes that it frees
// again; kept by the allocator for later, they would stay with the program after the scan.
void returnLargeBlocksWhenFreed();

} // namespace tavolin
