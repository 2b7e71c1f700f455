// SPDX-License-Identifier: MIT
#include "TextDecoder.h"

#include "LineText.h"

#include <QStringDecoder>

QString TextDecoder::decode(const std::string &bytes)
{
    const std::string text = LineText::toUtf8(bytes);
    // Unlike QString::fromUtf8, this keeps a U+FEFF that starts the line: the file's own
    // byte-order mark is gone before its lines are read, so one here is part of the line.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}
