// SPDX-License-Identifier: MIT
#include "Utf8.h"

#include <cstdint>

namespace {

// The length of the sequence that starts with lead, or 0 for a byte that cannot start one.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Decodes the sequence at bytes[at], or returns false when it is malformed.
bool decodeAt(std::string_view bytes, std::size_t at, std::uint32_t &codePoint, int &length)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    length = sequenceLength(lead);
    if (length == 0 || at + length > bytes.size())
        return false;
    codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return false;
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    static constexpr std::uint32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint >= smallest[length] && codePoint <= 0x10FFFF && !surrogate;
}

bool isBidiControl(std::uint32_t codePoint)
{
    return (codePoint >= 0x202A && codePoint <= 0x202E) || (codePoint >= 0x2066 && codePoint <= 0x2069)
        || codePoint == 0x200E || codePoint == 0x200F || codePoint == 0x061C;
}

constexpr std::uint32_t PopDirectionalIsolate = 0x2069;

bool opensIsolate(std::uint32_t codePoint)
{
    return codePoint >= 0x2066 && codePoint <= 0x2068;
}

// The characters that end a paragraph, and with it every isolate open in it.
bool separatesParagraphs(std::uint32_t codePoint)
{
    return (codePoint >= 0x1C && codePoint <= 0x1E) || codePoint == 0x85 || codePoint == 0x2029;
}

// The valid UTF-8 text made safe to wrap in an isolate: a PDI that closes no isolate opened in the
// text is dropped, a PDI is added at the end for each isolate it leaves open, and a paragraph
// separator becomes a line separator (U+2028), which breaks the line but not the isolate. An
// embedding or override it leaves open needs nothing: the isolate's own PDI ends it. Text whose
// isolates pair up comes back unchanged.
std::string balanced(std::string_view bytes)
{
    std::string text;
    std::size_t open = 0;
    std::uint32_t codePoint = 0;
    int length = 0;
    for (std::size_t at = 0; at < bytes.size(); at += length) {
        decodeAt(bytes, at, codePoint, length);
        if (separatesParagraphs(codePoint)) {
            text += "\u2028";
            continue;
        }
        if (codePoint == PopDirectionalIsolate) {
            if (open == 0)
                continue;
            --open;
        }
        open += opensIsolate(codePoint) ? 1 : 0;
        text.append(bytes.substr(at, static_cast<std::size_t>(length)));
    }
    for (; open > 0; --open)
        text += "\u2069";
    return text;
}

} // namespace

namespace Utf8 {

Sequence sequenceAt(std::string_view bytes, std::size_t at)
{
    Sequence sequence;
    int length = 0;
    if (decodeAt(bytes, at, sequence.codePoint, length))
        sequence.length = static_cast<std::size_t>(length);
    return sequence;
}

bool isValid(std::string_view bytes)
{
    std::uint32_t codePoint = 0;
    int length = 0;
    for (std::size_t at = 0; at < bytes.size(); at += length) {
        if (!decodeAt(bytes, at, codePoint, length))
            return false;
    }
    return true;
}

void append(std::string &text, char32_t codePoint)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
        return;
    }
    const int length = codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
    static constexpr unsigned char lead[] = { 0, 0, 0xC0, 0xE0, 0xF0 };
    text += static_cast<char>(lead[length] | (codePoint >> (6 * (length - 1))));
    for (int shift = 6 * (length - 2); shift >= 0; shift -= 6)
        text += static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F));
}

bool hasBidiControl(std::string_view bytes)
{
    if (!isValid(bytes))
        return false;
    std::uint32_t codePoint = 0;
    int length = 0;
    for (std::size_t at = 0; at < bytes.size(); at += length) {
        decodeAt(bytes, at, codePoint, length);
        if (isBidiControl(codePoint))
            return true;
    }
    return false;
}

std::string isolatedIfBidi(const std::string &bytes)
{
    if (!hasBidiControl(bytes))
        return bytes;
    return "\u2068" + balanced(bytes) + "\u2069";
}

} // namespace Utf8
