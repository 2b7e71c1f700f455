// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// Modal message boxes with a title, a text, no icon and OK, OK and Cancel, or Save, Discard and
// Cancel, and optional details behind the box's "Show Details..." button. Text and details are
// always shown as plain text, whatever they hold. Ctrl+C copies the title, the text and the
// details, as it does in a Windows message box (Qt does that only on Windows), unless part of a
// text is selected. The details can be reached with Tab once shown, and a screen reader reads
// them there.
// Tests queue answers with setNextAnswer(); the real box is shown only when none is queued.
// With the environment variable MATCHMAKER_NONINTERACTIVE set, a box is written to standard
// error (control characters escaped) and answered at once: with OK, or with Cancel where there is
// a Save button, so that nothing is written or lost without a user.
class MessageBox
{
public:
    enum class Buttons { Ok, OkCancel, SaveDiscardCancel };
    enum class Answer { Ok, Cancel, Save, Discard };

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
