// SPDX-License-Identifier: MIT
#include "Json.h"

std::string Json::quoted(std::string_view text)
{
    static constexpr const char *Digits = "0123456789abcdef";
    std::string json = "\"";
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (code < 0x20) {
            json += "\\u00";
            json += Digits[code >> 4];
            json += Digits[code & 0xF];
        } else {
            json += c;
        }
    }
    return json + '"';
}
