// SPDX-License-Identifier: MIT
#include "LineText.h"

#include "Utf8.h"
#include "Windows1252.h"

namespace LineText {

std::string toUtf8(const std::string &bytes)
{
    if (Utf8::isValid(bytes))
        return bytes;
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        Utf8::append(text, Windows1252::character(static_cast<unsigned char>(byte)));
    return text;
}

} // namespace LineText
