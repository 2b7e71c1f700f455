// SPDX-License-Identifier: MIT
#include "Base64.h"

#include <cstddef>
#include <cstdint>

std::string Base64::encode(std::string_view bytes)
{
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    const auto byte = [&](std::size_t at) { return std::uint32_t(static_cast<unsigned char>(bytes[at])); };
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t group = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        for (int shift = 18; shift >= 0; shift -= 6)
            text += alphabet[(group >> shift) & 0x3F];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest == 0)
        return text;
    const std::uint32_t group = byte(i) << 16 | (rest == 2 ? byte(i + 1) << 8 : 0);
    text += alphabet[(group >> 18) & 0x3F];
    text += alphabet[(group >> 12) & 0x3F];
    text += rest == 2 ? alphabet[(group >> 6) & 0x3F] : '=';
    text += '=';
    return text;
}
