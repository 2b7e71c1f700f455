// SPDX-License-Identifier: MIT
#include "ScriptData.h"

#include "JsonText.h"

#include <QJsonArray>
#include <QLocale>

namespace {

void appendString(std::string &json, const QString &text)
{
    JsonText::appendString(json, text.toStdString());
}

void appendValue(std::string &json, const QJsonValue &value);

void appendArray(std::string &json, const QJsonArray &array)
{
    json += '[';
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (i > 0)
            json += ',';
        appendValue(json, array[i]);
    }
    json += ']';
}

void appendObject(std::string &json, const QJsonObject &object)
{
    json += '{';
    for (auto member = object.begin(); member != object.end(); ++member) {
        if (member != object.begin())
            json += ',';
        appendString(json, member.key());
        json += ':';
        appendValue(json, member.value());
    }
    json += '}';
}

void appendValue(std::string &json, const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        json += value.toBool() ? "true" : "false";
        break;
    case QJsonValue::Double:
        json += QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest).toStdString();
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

} // namespace

QByteArray ScriptData::json(const QJsonObject &value)
{
    std::string json;
    appendObject(json, value);
    return QByteArray::fromStdString(json);
}
