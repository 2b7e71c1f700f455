// SPDX-License-Identifier: MIT
#pragma once

#if __has_include(<emscripten/emscripten.h>)
#include <emscripten/emscripten.h>
#else
// A native build (the fuzz targets) has no module to export from.
#define EMSCRIPTEN_KEEPALIVE
#endif

// Runs call(), with any exception turned into the result failed: none may reach JavaScript.
template<typename Call, typename Result>
Result guarded(Call call, Result failed)
{
    try {
        return call();
    } catch (...) {
        return failed;
    }
}
