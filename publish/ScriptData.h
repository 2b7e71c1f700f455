// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>

// The data the web page reads from classic scripts of its folder (a page opened from the disk may
// not fetch a file): "window.NAME = {...};", compact JSON with its keys in order, in which every
// character outside ASCII, and <, > and &, is written as \uXXXX. So no quiz line can close the
// script, open a comment or break a line of it (U+2028), whatever the encoding the browser reads
// the file in. The JSON is written straight from the text, so that a quiz is never held as a
// document beside its lines.
class ScriptData
{
public:
    using Part = std::function<void(const QByteArray &part)>;
    // A member of an object that is an array made an item at a time: its key, its number of items,
    // and item(i), each as JSON.
    struct Items
    {
        QString key;
        std::size_t count = 0;
        std::function<QByteArray(std::size_t i)> item;
    };

    static QByteArray assignment(const char *name, const QJsonObject &value);
    // The assignment of value with the array items among its members, given to add a part at a
    // time: one item is made only when the one before has been added.
    static void assignment(const char *name, const QJsonObject &value, const Items &items, const Part &add);

    // One quiz as the page takes it, as JSON: its name, its 104 lines as text (as the window shows
    // them), the clip of each name's result (empty: none) and of a result without a winner.
    static QByteArray quiz(const QString &name, const QuizText &lines,
                           const std::array<QString, QuizAnswerCount> &clips, const QString &noWinnerClip);
};
