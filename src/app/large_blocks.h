#pragma once

namespace tavolin {

// Makes the C library hand every block of 128 KB or more back to the system as soon as it is
// freed. By default it raises that limit to the size of the largest block freed so far, up to
// 32 MB, and then keeps what a million names' working lists leave behind: after a scan of a
// large folder the program would go on holding tens of megabytes it no longer uses.
void returnLargeBlocksToTheSystem();

} // namespace tavolin
