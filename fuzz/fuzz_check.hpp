// A property that must hold for every input: a failure aborts, so that the
// fuzzer keeps the input and the replay of the corpus fails.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                            \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__,     \
                         #condition);                                                    \
            std::abort();                                                                \
        }                                                                                \
    } while (0)
