// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// File names as the system gives them: bytes, usually UTF-8, but a name from an old archive or a
// USB stick may hold Latin-1 bytes that are not. Qt would turn each such byte into U+FFFD, and the
// file could then not be opened. Here every byte that is not part of valid UTF-8 is carried in
// the text as a lone surrogate U+DC80 to U+DCFF, so that the name comes back byte for byte.
class FileName
{
public:
    // The bytes as text, without loss.
    static QString fromNative(const QByteArray &bytes);
    static QString fromNative(const std::string &bytes);
    // The bytes fromNative() was given; any other text as UTF-8.
    static QByteArray toNative(const QString &name);
    static std::string toNativePath(const QString &name);
    // For people to read: each byte that is not valid UTF-8 written as \xHH.
    static QString shown(const QString &name);
};
