#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant is a crash to the fuzzer: it stops, keeps the input and reports it.
inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
