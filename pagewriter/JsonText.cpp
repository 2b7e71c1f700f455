// SPDX-License-Identifier: MIT
#include "JsonText.h"

#include <cstdint>

namespace {

void appendHex(std::string &json, std::uint32_t code)
{
    static constexpr char digits[] = "0123456789abcdef";
    json += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        json += digits[(code >> shift) & 0xF];
}

// The character that starts at text[at], and its length in bytes; U+FFFD and 1 for a byte that
// starts no whole character of at most U+10FFFF in its shortest form.
std::uint32_t decodeAt(std::string_view text, std::size_t at, std::size_t *length)
{
    const auto byte = [&](std::size_t i) { return std::uint32_t(static_cast<unsigned char>(text[i])); };
    const std::uint32_t lead = byte(at);
    *length = 1;
    if (lead < 0x80)
        return lead;
    const std::size_t count = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (count == 0 || lead > 0xF4 || at + count > text.size())
        return 0xFFFD;
    std::uint32_t code = lead & (0x7F >> count);
    for (std::size_t i = 1; i < count; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0xFFFD;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    static constexpr std::uint32_t shortest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (code < shortest[count] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return 0xFFFD;
    *length = count;
    return code;
}

void appendCharacter(std::string &json, std::uint32_t code)
{
    switch (code) {
    case '"':
        json += "\\\"";
        return;
    case '\\':
        json += "\\\\";
        return;
    case '\b':
        json += "\\b";
        return;
    case '\f':
        json += "\\f";
        return;
    case '\n':
        json += "\\n";
        return;
    case '\r':
        json += "\\r";
        return;
    case '\t':
        json += "\\t";
        return;
    default:
        break;
    }
    if (code >= 0x20 && code < 0x80 && code != '<' && code != '>' && code != '&') {
        json += static_cast<char>(code);
    } else if (code >= 0x10000) {
        appendHex(json, 0xD800 + ((code - 0x10000) >> 10));
        appendHex(json, 0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
        appendHex(json, code);
    }
}

} // namespace

void JsonText::appendString(std::string &json, std::string_view text)
{
    json += '"';
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 0;
        appendCharacter(json, decodeAt(text, at, &length));
        at += length;
    }
    json += '"';
}

void JsonText::appendStringOrNull(std::string &json, std::string_view text)
{
    if (text.empty())
        json += "null";
    else
        appendString(json, text);
}
