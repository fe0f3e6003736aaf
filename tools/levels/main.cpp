// velorin-levels: checks, solves, shows and generates level files.
#include "Commands.h"

#include <malloc.h>

#include <iostream>

namespace {

// The tool runs search after search, each filling and freeing tables of up
// to hundreds of megabytes. By default the C library hands large blocks and
// the top of the heap back to the system at once, and the next search
// takes them fresh, a page fault for every page: `check` of the shipped
// levels then spends a tenth of its time there. The tool ends after its
// command, so it keeps what it freed for the next search instead.
constexpr int KeptInHeapBytes = 32 << 20; // blocks up to this size come from the heap
constexpr int KeptFreeBytes = 256 << 20;  // free memory kept at the heap's top

} // namespace

int main(int argc, char** argv)
{
    mallopt(M_MMAP_THRESHOLD, KeptInHeapBytes);
    mallopt(M_TRIM_THRESHOLD, KeptFreeBytes);
    return RunLevelTool(Args(argv + 1, argv + argc), std::cout, std::cerr);
}
