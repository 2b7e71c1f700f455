// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Text from quiz files and file names is shown as typed, never interpreted: these make it safe
// for the places that would otherwise read it as markup or as terminal commands.
class PlainText
{
public:
    // For a tooltip, which Qt takes as rich text whenever it looks like HTML: text that could be
    // is escaped and kept on one line as typed; any other text comes back unchanged.
    static QString toolTip(const QString &text);

    // For a terminal: control characters (C0, DEL and C1), which could move the cursor, recolour
    // the terminal or cut the line short, are written as \xHH; everything else is unchanged.
    static QString forTerminal(const QString &text);
};
