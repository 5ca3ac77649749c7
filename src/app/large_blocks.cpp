#include "app/large_blocks.h"

#include <malloc.h>

namespace tavolin {

void returnLargeBlocksToTheSystem()
{
    // Setting the limit at all turns off its raising.
    (void)mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

} // namespace tavolin
