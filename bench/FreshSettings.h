// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Points the programs this benchmark starts at an empty settings folder, so that they run as
// on a first start (banner moving, sound on) whatever the person running it has switched off.
// The folder is left in /tmp: the programs may still be writing it when the benchmark ends.
inline void useFreshSettings()
{
    std::string folder = "/tmp/matchmaker-bench-XXXXXX";
    if (!mkdtemp(folder.data()) || setenv("XDG_CONFIG_HOME", folder.c_str(), 1) != 0) {
        std::perror("cannot make a settings folder");
        std::exit(2);
    }
}
