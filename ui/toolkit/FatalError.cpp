// SPDX-License-Identifier: MIT
#include "FatalError.h"

#include "MessageBox.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

std::function<void(int)> &exitHandler()
{
    static std::function<void(int)> handler = [](int status) {
        std::fflush(nullptr);
        // Ends at once: the error came from inside an event handler, so nothing after it can
        // be trusted to unwind cleanly.
        std::quick_exit(status);
    };
    return handler;
}

} // namespace

void FatalError::show(const QString &title, const QString &message)
{
    MessageBox::show(QApplication::activeWindow(), title, message, MessageBox::Buttons::Ok);
    exitHandler()(1);
}

void FatalError::setExitHandler(std::function<void(int)> handler)
{
    exitHandler() = std::move(handler);
}
