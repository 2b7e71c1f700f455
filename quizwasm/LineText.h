// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

// Quiz lines as the studio shows and edits them, in UTF-8. Temporary: the program's own
// decoding moves into quiz/, which then replaces this.
namespace LineText {

// The line as it is shown: its bytes when they are valid UTF-8, else read as Windows-1252.
std::string decoded(const std::string &bytes);
// The text's Windows-1252 bytes; none when a character has no such byte, or when the bytes
// would form valid UTF-8 and so read back as other characters.
std::optional<std::string> toWindows1252(const std::string &text);

} // namespace LineText
