// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QObject;

// A run-time error that nothing can mend: it is shown to the user, then the program ends with
// exit status 1. Work the user has not saved is asked about first, as closing its window would.
class FatalError
{
public:
    // Returns only when the user chose to keep unsaved work open (Cancel in a guard's question).
    static void show(const QString &title, const QString &message);

    // Asked before the program ends, for as long as owner lives: mayEnd() may save the owner's
    // work or let it go (true), or keep the program running so that it can be saved (false).
    static void guardUnsavedWork(QObject *owner, std::function<bool()> mayEnd);

    // Test seam: called with the exit status instead of ending the process; an empty handler ends
    // the process again.
    static void setExitHandler(std::function<void(int status)> handler);
};
