// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

// A wrong result: said on standard error, then an abort, which libFuzzer reports with the input
// that caused it.
[[noreturn]] inline void finding(const char *what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}
