// SPDX-License-Identifier: MIT
#include "TextEncoder.h"

#include "TextDecoder.h"

#include <QHash>

namespace {

// Built from TextDecoder itself, so the two directions cannot disagree.
const QHash<char16_t, char> &windows1252Bytes()
{
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> table;
        for (int code = 0; code < 256; ++code) {
            const auto byte = static_cast<char>(code);
            table.insert(TextDecoder::decode(std::string(1, byte)).at(0).unicode(), byte);
        }
        return table;
    }();
    return bytes;
}

} // namespace

std::string TextEncoder::toUtf8(const QString &text)
{
    return text.toStdString();
}

std::optional<std::string> TextEncoder::toWindows1252(const QString &text)
{
    const auto &table = windows1252Bytes();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const auto found = table.constFind(c.unicode());
        if (found == table.constEnd())
            return std::nullopt;
        bytes += *found;
    }
    if (TextDecoder::decode(bytes) != text)
        return std::nullopt;
    return bytes;
}
