// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

// A run-time error that nothing can mend: it is shown to the user, then the program ends with
// exit status 1.
class FatalError
{
public:
    static void show(const QString &title, const QString &message);

    // Test seam: called with the exit status instead of ending the process.
    static void setExitHandler(std::function<void(int status)> handler);
};
