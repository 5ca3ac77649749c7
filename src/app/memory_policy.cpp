#include "app/memory_policy.h"

#include <malloc.h>

namespace tavolin {

void returnLargeBlocksWhenFreed()
{
    constexpr int kLargeBlock = 1 << 20;
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
}

} // namespace tavolin
