// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <array>

// The data the web page reads from classic scripts of its folder (a page opened from the disk may
// not fetch a file): "window.NAME = {...};", JSON in which every character outside ASCII, and <,
// > and &, is written as \uXXXX. So no quiz line can close the script, open a comment or break
// a line of it (U+2028), whatever the encoding the browser reads the file in.
class ScriptData
{
public:
    static QByteArray assignment(const char *name, const QJsonObject &value);

    // One quiz as the page takes it: its name, its 104 lines as text (as the window shows them),
    // the clip of each name's result (empty: none) and of a result without a winner.
    static QJsonObject quiz(const QString &name, const QuizText &lines,
                            const std::array<QString, QuizAnswerCount> &clips, const QString &noWinnerClip);
};
