// SPDX-License-Identifier: MIT
#include "FatalError.h"

#include "MessageBox.h"

#include <QApplication>
#include <QPointer>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::function<void(int)> &exitHandler()
{
    static std::function<void(int)> handler;
    return handler;
}

void end(int status)
{
    if (exitHandler()) {
        exitHandler()(status);
        return;
    }
    std::fflush(nullptr);
    // Ends at once: the error came from inside an event handler, so nothing after it can be
    // trusted to unwind cleanly.
    std::quick_exit(status);
}

struct Guard
{
    QPointer<QObject> owner;
    std::function<bool()> mayEnd;
};

std::vector<Guard> &guards()
{
    static std::vector<Guard> list;
    return list;
}

// The guards of owners that are gone, so that the list stays as long as the open windows.
void forgetEnded()
{
    std::erase_if(guards(), [](const Guard &guard) { return guard.owner.isNull(); });
}

bool unsavedWorkMayEnd()
{
    forgetEnded();
    // A copy: a guard's question runs an event loop, in which another guard may come or go.
    const std::vector<Guard> current = guards();
    return std::ranges::all_of(current, [](const Guard &guard) { return !guard.owner || guard.mayEnd(); });
}

} // namespace

void FatalError::show(const QString &title, const QString &message)
{
    MessageBox::show(QApplication::activeWindow(), title, message, MessageBox::Buttons::Ok);
    if (unsavedWorkMayEnd())
        end(1);
}

void FatalError::guardUnsavedWork(QObject *owner, std::function<bool()> mayEnd)
{
    forgetEnded();
    guards().push_back({ owner, std::move(mayEnd) });
}

void FatalError::setExitHandler(std::function<void(int)> handler)
{
    exitHandler() = std::move(handler);
}
