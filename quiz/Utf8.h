// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the quiz engine needs to know about the encoding of a quiz line, which stays bytes.
namespace Utf8 {

// One well-formed sequence: its code point and its length in bytes.
struct Sequence
{
    std::uint32_t codePoint = 0;
    std::size_t length = 0;
};

// The well-formed sequence that starts at bytes[at], or one of length 0 where none does.
Sequence sequenceAt(std::string_view bytes, std::size_t at);

// Well-formed UTF-8: no stray continuation bytes, overlong forms, surrogates or code points
// beyond U+10FFFF. A line that is not is shown as Windows-1252.
bool isValid(std::string_view bytes);

// Appends the UTF-8 sequence of a code point (at most U+10FFFF, no surrogate).
void append(std::string &text, char32_t codePoint);

// True for valid UTF-8 holding a character that changes the direction of the text around it
// (the embeddings, overrides and isolates U+202A to U+202E and U+2066 to U+2069, and the marks
// U+200E, U+200F and U+061C).
bool hasBidiControl(std::string_view bytes);

// The text wrapped in a first-strong isolate (U+2068 ... U+2069) when it holds a direction
// control, so that what it holds cannot reorder the sentence it is quoted in; otherwise the
// text unchanged. Inside, a PDI that closes no isolate the text opened is dropped, every isolate it
// leaves open is closed, and a paragraph separator becomes U+2028, so that nothing in it can end
// the isolate early or keep it open; text whose isolates pair up stays as it is. The page's engine
// (publish/web/engine.js) keeps the same rule.
std::string isolatedIfBidi(const std::string &bytes);

} // namespace Utf8
