// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// The code page of quizzes written on Windows. It differs from Latin-1 only in 0x80 to 0x9F; its
// five unused places stay the C1 control characters, as Windows itself maps them.
namespace Windows1252 {

// The character a byte stands for.
char32_t character(unsigned char byte);

// The byte that stands for a character, or none where the code page has no such character.
std::optional<unsigned char> byteFor(char32_t character);

} // namespace Windows1252
