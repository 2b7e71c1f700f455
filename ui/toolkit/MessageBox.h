// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// Modal message boxes with a title, a text, no icon and either OK or OK and Cancel, and optional
// details behind the box's "Show Details..." button. Text and details are always shown as plain
// text, whatever they hold. Ctrl+C copies the title, the text and the details, as it does in a
// Windows message box (Qt does that only on Windows), unless part of a text is selected.
// Tests queue answers with setNextAnswer(); the real box is shown only when none is queued.
// With the environment variable MATCHMAKER_NONINTERACTIVE set, a box is written to standard
// error (control characters escaped) and answered with OK at once.
class MessageBox
{
public:
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };

    // Closing the box counts as Cancel.
    static Answer show(QWidget *parent, const QString &title, const QString &text, Buttons buttons,
                       const QString &details = QString());

    // Test seams: the next show() returns this answer without showing a box; and what the last
    // show() was asked to display.
    static void setNextAnswer(Answer answer);
    static QString lastTitle();
    static QString lastText();
    static QString lastDetails();
    static int shownCount();
    // Forgets queued answers and what was shown.
    static void resetSeam();
};
