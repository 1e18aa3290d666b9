#pragma once

#include <cstdio>
#include <cstdlib>

// A property of the targets: when it does not hold, the fuzzer records the input as a finding.
// The failed condition and its line are printed first, so the log says which property broke.
#define FUZZ_CHECK(condition)                                                             \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "FUZZ_CHECK failed: %s (%s:%d)\n", #condition, __FILE__, \
                         __LINE__);                                                       \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)
