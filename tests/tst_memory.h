#ifndef TST_MEMORY_H
#define TST_MEMORY_H

// How much memory the test process has taken, for the tests that bound it.

#include <sys/resource.h>

#if defined(__SANITIZE_ADDRESS__)
#define UNDER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER 1
#endif
#endif

namespace testmemory {

// The address sanitizer keeps freed memory in quarantine and adds its own, so resident memory
// says nothing about the program there; its own checks stand in.
#ifdef UNDER_ADDRESS_SANITIZER
constexpr bool MeasuresMemory = false;
#else
constexpr bool MeasuresMemory = true;
#endif

// Highest resident memory of this process so far, in MiB.
inline long peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace testmemory

#endif
