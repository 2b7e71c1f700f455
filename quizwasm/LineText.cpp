// SPDX-License-Identifier: MIT
#include "LineText.h"

#include "Utf8.h"

#include <array>
#include <cstdint>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; its five unused places stay as the C1
// control characters, as Windows itself maps them.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::uint32_t windows1252CodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80] : byte;
}

std::optional<char> windows1252Byte(std::uint32_t codePoint)
{
    for (unsigned code = 0; code < 256; ++code) {
        if (windows1252CodePoint(static_cast<unsigned char>(code)) == codePoint)
            return static_cast<char>(code);
    }
    return std::nullopt;
}

void appendUtf8(std::string &text, std::uint32_t codePoint)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
        return;
    }
    if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
    } else {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    }
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
}

} // namespace

std::string LineText::decoded(const std::string &bytes)
{
    if (Utf8::isValid(bytes))
        return bytes;
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        appendUtf8(text, windows1252CodePoint(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<std::string> LineText::toWindows1252(const std::string &text)
{
    std::string bytes;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8::Sequence sequence = Utf8::sequenceAt(text, at);
        const std::optional<char> byte
            = sequence.length == 0 ? std::nullopt : windows1252Byte(sequence.codePoint);
        if (!byte)
            return std::nullopt;
        bytes += *byte;
        at += sequence.length;
    }
    if (decoded(bytes) != text)
        return std::nullopt;
    return bytes;
}
