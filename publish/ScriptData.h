// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QJsonObject>

// A JSON object of Qt as the page's script holds its data: compact, its keys in order, and its
// strings as JsonText writes them, so that no text can close the script.
class ScriptData
{
public:
    static QByteArray json(const QJsonObject &value);
};
