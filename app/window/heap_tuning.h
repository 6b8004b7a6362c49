// Keeps the large blocks the program allocates on every click and every printed page in the heap.
#pragma once

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// Each Calculate click re-creates section tables of up to 512 KB, and each PDF page of a report
// gets fresh compression buffers. By default glibc maps blocks that large straight from the
// kernel and hands them back when freed, so every click and page pays again for zeroed pages;
// kept in the heap, they are reused. Call once at the start of main.
inline void KeepLargeBlocksInTheHeap() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}
