// SPDX-License-Identifier: MIT
#include "FileName.h"

#include <array>

namespace {

constexpr char16_t EscapedByteBase = 0xDC00;

// A byte carried by fromNative(): a low surrogate in its range that does not end a pair.
bool isEscapedByte(const QString &name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    return c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !name[i - 1].isHighSurrogate());
}

char escapedByte(QChar c)
{
    return static_cast<char>(c.unicode() - EscapedByteBase);
}

// The length of the valid UTF-8 sequence that starts at bytes[at], or 0 when none does.
qsizetype validSequenceAt(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > bytes.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}

// The code point of the valid sequence of `length` bytes at bytes[at].
char32_t codePointAt(const QByteArray &bytes, qsizetype at, qsizetype length)
{
    static constexpr std::array<unsigned char, 5> LeadBits = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = static_cast<unsigned char>(bytes[at]) & LeadBits.at(static_cast<std::size_t>(length));
    for (qsizetype i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(bytes[at + i]) & 0x3F);
    return code;
}

} // namespace

QString FileName::fromNative(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = validSequenceAt(bytes, at);
        if (length == 0) {
            name += QChar(static_cast<char16_t>(EscapedByteBase + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        // Decoded here: QString::fromUtf8 and fromUcs4 drop a leading U+FEFF.
        name += QChar::fromUcs4(codePointAt(bytes, at, length));
        at += length;
    }
    return name;
}

QString FileName::fromNative(const std::string &bytes)
{
    return fromNative(QByteArray::fromStdString(bytes));
}

QByteArray FileName::toNative(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    const auto flushRun
        = [&](qsizetype end) { bytes += QStringView(name).mid(runStart, end - runStart).toUtf8(); };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscapedByte(name, i))
            continue;
        flushRun(i);
        bytes += escapedByte(name[i]);
        runStart = i + 1;
    }
    flushRun(name.size());
    return bytes;
}

std::string FileName::toNativePath(const QString &name)
{
    return toNative(name).toStdString();
}

QString FileName::shown(const QString &name)
{
    QString text;
    text.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isEscapedByte(name, i))
            text += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(escapedByte(name[i])), 2, 16,
                                                QLatin1Char('0'));
        else
            text += name[i];
    }
    return text;
}
