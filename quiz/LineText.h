// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// How a quiz line is shown: the window, the web page's data and the engine's tests all read a
// line's bytes through this one rule.
namespace LineText {

// The line as text, in UTF-8: its bytes as they are when they are valid UTF-8, else read as
// Windows-1252. A U+FEFF that starts the line is part of it and kept.
std::string toUtf8(const std::string &bytes);

} // namespace LineText
