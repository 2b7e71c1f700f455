// SPDX-License-Identifier: MIT
#include "ExportStop.h"

bool ExportStop::request()
{
    asked = true;
    asked.notify_all();
    const std::lock_guard held(lock);
    if (state == State::Placed)
        return false;
    giveUp();
    return true;
}

void ExportStop::giveUp()
{
    if (state == State::Writing && removeWritten)
        removeWritten();
    removeWritten = {};
    state = State::GivenUp;
}
