// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <string>

// Turns text back into the bytes of a quiz line, the reverse of TextDecoder: an encoding holds a
// text only when TextDecoder reads its bytes back as the same text.
class TextEncoder
{
public:
    static std::string toUtf8(const QString &text);
    // None when a character has no Windows-1252 byte, or when the bytes would form valid UTF-8
    // and so be read back as other characters.
    static std::optional<std::string> toWindows1252(const QString &text);
};
