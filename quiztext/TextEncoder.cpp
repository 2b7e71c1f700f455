// SPDX-License-Identifier: MIT
#include "TextEncoder.h"

#include "TextDecoder.h"
#include "Windows1252.h"

std::string TextEncoder::toUtf8(const QString &text)
{
    return text.toStdString();
}

std::optional<std::string> TextEncoder::toWindows1252(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const auto byte = Windows1252::byteFor(c.unicode());
        if (!byte)
            return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    if (TextDecoder::decode(bytes) != text)
        return std::nullopt;
    return bytes;
}
