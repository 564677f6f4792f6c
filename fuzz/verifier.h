// SPDX-License-Identifier: GPL-3.0-or-later
// A broken invariant in a fuzz target: say which, then abort so that
// libFuzzer (or the test run) keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define VERIFIER(condition)                                                          \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "%s:%d: invariant rompu : %s\n", __FILE__, __LINE__, \
                         #condition);                                                \
            std::abort();                                                            \
        }                                                                            \
    } while (0)
