// What the fuzz targets share: a broken expectation stops the run with the
// input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_EXPECT(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "expectation broken: %s (%s:%d)\n", #condition, __FILE__,         \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
