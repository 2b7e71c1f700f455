// SPDX-License-Identifier: MIT
// libFuzzer target for the file names the program takes from the command line, a drop or a
// dialog: any bytes must come back byte for byte from their text, and what is shown of them must
// be plain text for a terminal: no stray surrogates, no control characters.

#include "FileName.h"
#include "Finding.h"
#include "PlainText.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString name = FileName::fromNative(bytes);
    if (FileName::toNative(name) != bytes)
        finding("a name did not come back byte for byte");
    const QString shown = PlainText::forTerminal(FileName::shown(name));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const char16_t c = shown[i].unicode();
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            finding("a control character is shown");
        if (QChar::isLowSurrogate(c) && (i == 0 || !shown[i - 1].isHighSurrogate()))
            finding("a stray surrogate is shown");
        if (QChar::isHighSurrogate(c) && (i + 1 == shown.size() || !shown[i + 1].isLowSurrogate()))
            finding("a stray surrogate is shown");
    }
    return 0;
}
