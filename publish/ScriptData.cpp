// SPDX-License-Identifier: MIT
#include "ScriptData.h"

#include "TextDecoder.h"

#include <QJsonArray>

namespace {

void appendHex(QByteArray &json, char16_t code)
{
    static constexpr char digits[] = "0123456789abcdef";
    json += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        json += digits[(code >> shift) & 0xF];
}

// As QJsonDocument escapes a string, with every character outside ASCII, and <, > and &, as \uXXXX.
void appendString(QByteArray &json, QStringView text)
{
    json += '"';
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        switch (code) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\b':
            json += "\\b";
            break;
        case '\f':
            json += "\\f";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (code >= 0x20 && code < 0x80 && code != '<' && code != '>' && code != '&')
                json += static_cast<char>(code);
            else
                appendHex(json, code);
        }
    }
    json += '"';
}

void appendValue(QByteArray &json, const QJsonValue &value);

void appendKey(QByteArray &json, bool first, const QString &key)
{
    if (!first)
        json += ',';
    appendString(json, key);
    json += ':';
}

void appendArray(QByteArray &json, const QJsonArray &array)
{
    json += '[';
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (i > 0)
            json += ',';
        appendValue(json, array[i]);
    }
    json += ']';
}

void appendObject(QByteArray &json, const QJsonObject &object)
{
    json += '{';
    for (auto member = object.begin(); member != object.end(); ++member) {
        appendKey(json, member == object.begin(), member.key());
        appendValue(json, member.value());
    }
    json += '}';
}

void appendValue(QByteArray &json, const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        json += value.toBool() ? "true" : "false";
        break;
    case QJsonValue::Double:
        json += QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
        break;
    case QJsonValue::String:
        appendString(json, value.toString());
        break;
    case QJsonValue::Array:
        appendArray(json, value.toArray());
        break;
    case QJsonValue::Object:
        appendObject(json, value.toObject());
        break;
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        json += "null";
        break;
    }
}

void appendFileOrNull(QByteArray &json, const QString &file)
{
    if (file.isEmpty())
        json += "null";
    else
        appendString(json, file);
}

} // namespace

QByteArray ScriptData::assignment(const char *name, const QJsonObject &value)
{
    QByteArray script = QByteArray("window.") + name + " = ";
    appendObject(script, value);
    return script + ";\n";
}

void ScriptData::assignment(const char *name, const QJsonObject &value, const Items &items, const Part &add)
{
    QByteArray script = QByteArray("window.") + name + " = {";
    bool first = true;
    const auto addItems = [&] {
        appendKey(script, first, items.key);
        first = false;
        add(script + '[');
        for (std::size_t i = 0; i < items.count; ++i)
            add(i > 0 ? ',' + items.item(i) : items.item(i));
        script = "]";
    };
    bool itemsAdded = false;
    for (auto member = value.begin(); member != value.end(); ++member) {
        if (!itemsAdded && items.key < member.key()) {
            addItems();
            itemsAdded = true;
        }
        appendKey(script, first, member.key());
        first = false;
        appendValue(script, member.value());
    }
    if (!itemsAdded)
        addItems();
    add(script + "};\n");
}

QByteArray ScriptData::quiz(const QString &name, const QuizText &lines,
                            const std::array<QString, QuizAnswerCount> &clips, const QString &noWinnerClip)
{
    QByteArray json = "{\"clips\":[";
    for (std::size_t k = 0; k < clips.size(); ++k) {
        if (k > 0)
            json += ',';
        appendFileOrNull(json, clips[k]);
    }
    json += "],\"lines\":[";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            json += ',';
        appendString(json, TextDecoder::decode(lines[i]));
    }
    json += "],\"name\":";
    appendString(json, name);
    json += ",\"noWinnerClip\":";
    appendFileOrNull(json, noWinnerClip);
    return json + '}';
}
