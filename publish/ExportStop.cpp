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

bool ExportStop::startPlacing(std::unique_lock<std::mutex> &held)
{
    reached(Moment::BeforePlacing);
    held = hold();
    if (!requested() && !givenUp())
        return true;
    giveUp();
    return false;
}
