// SPDX-License-Identifier: MIT
#include "Windows1252.h"

#include <array>

namespace {

constexpr unsigned char HighStart = 0x80;
constexpr unsigned char HighEnd = 0xA0;

constexpr std::array<char16_t, HighEnd - HighStart> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isHigh(char32_t code)
{
    return code >= HighStart && code < HighEnd;
}

} // namespace

namespace Windows1252 {

char32_t character(unsigned char byte)
{
    return isHigh(byte) ? High[byte - HighStart] : byte;
}

std::optional<unsigned char> byteFor(char32_t character)
{
    if (character < 0x100 && !isHigh(character))
        return static_cast<unsigned char>(character);
    for (std::size_t i = 0; i < High.size(); ++i) {
        if (High[i] == character)
            return static_cast<unsigned char>(HighStart + i);
    }
    return std::nullopt;
}

} // namespace Windows1252
