// SPDX-License-Identifier: MIT
#include "FileName.h"

#include "Utf8.h"

#include <string_view>

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

} // namespace

QString FileName::fromNative(const QByteArray &bytes)
{
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    QString name;
    name.reserve(bytes.size());
    for (std::size_t at = 0; at < view.size();) {
        const Utf8::Sequence sequence = Utf8::sequenceAt(view, at);
        if (sequence.length == 0) {
            name += QChar(static_cast<char16_t>(EscapedByteBase + static_cast<unsigned char>(view[at])));
            ++at;
            continue;
        }
        // One code point at a time: QString::fromUtf8 would drop a U+FEFF that starts its input.
        name += QChar::fromUcs4(sequence.codePoint);
        at += sequence.length;
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
