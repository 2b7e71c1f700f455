// SPDX-License-Identifier: MIT
#include "MousePointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

void clearOverrides()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

// Setting the pointer replaces any override rather than stacking a new one, so one Default
// always clears it.
void showBusy()
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

} // namespace

void MousePointer::set(Shape shape)
{
    if (shape == Busy)
        showBusy();
    else
        clearOverrides();
}
