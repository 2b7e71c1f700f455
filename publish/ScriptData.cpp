// SPDX-License-Identifier: MIT
#include "ScriptData.h"

#include "TextDecoder.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QJsonValue fileOrNull(const QString &file)
{
    return file.isEmpty() ? QJsonValue() : QJsonValue(file);
}

// Outside its strings JSON holds none of these, so escaping them wherever they stand is exact.
QByteArray asciiOnly(const QByteArray &json)
{
    QByteArray script;
    script.reserve(json.size());
    for (const QChar c : QString::fromUtf8(json)) {
        const char16_t code = c.unicode();
        if (code < 0x80 && code != '<' && code != '>' && code != '&')
            script += static_cast<char>(code);
        else
            script += QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0')).toLatin1();
    }
    return script;
}

} // namespace

QByteArray ScriptData::assignment(const char *name, const QJsonObject &value)
{
    return QByteArray("window.") + name + " = "
        + asciiOnly(QJsonDocument(value).toJson(QJsonDocument::Compact)) + ";\n";
}

QJsonObject ScriptData::quiz(const QString &name, const QuizText &lines,
                             const std::array<QString, QuizAnswerCount> &clips, const QString &noWinnerClip)
{
    QJsonArray text;
    for (const std::string &line : lines)
        text.append(TextDecoder::decode(line));
    QJsonArray clipFiles;
    for (const QString &clip : clips)
        clipFiles.append(fileOrNull(clip));
    return { { "name", name },
             { "lines", text },
             { "clips", clipFiles },
             { "noWinnerClip", fileOrNull(noWinnerClip) } };
}
