// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <functional>
#include <mutex>

// A request from another thread (the one that waits for Ctrl+C) to give up an export. While the
// export is being written it is given up at once: what was written is removed, and nothing is
// published. Once the new export is being put in place, the request waits for that to end, and
// the export stands.
class ExportStop
{
public:
    // The moments of putting an export in place, for a test to interrupt it there.
    enum class Moment { BeforePlacing, WhilePlacing };

    // From any thread. Returns once the export is given up or in place: true when nothing was
    // published, false when the export stands.
    bool request();
    bool requested() const { return asked.load(); }
    // Returns once request() has been called.
    void waitForRequest() const { asked.wait(false); }
    void setMomentHook(std::function<void(Moment)> hook) { momentHook = std::move(hook); }

    // For the export folder, each while it holds the lock (hold()): what request() removes, and
    // where the export stands.
    std::unique_lock<std::mutex> hold() { return std::unique_lock(lock); }
    void setRemoval(std::function<void()> removal) { removeWritten = std::move(removal); }
    bool givenUp() const { return state == State::GivenUp; }
    void giveUp();
    void setPlaced() { state = State::Placed; }
    // The start of putting the export in place: held then keeps a request waiting until the export
    // stands. False, with the export given up, when a request came first.
    bool startPlacing(std::unique_lock<std::mutex> &held);
    void reached(Moment moment) const
    {
        if (momentHook)
            momentHook(moment);
    }

private:
    enum class State { Writing, GivenUp, Placed };

    std::mutex lock;
    std::atomic<bool> asked = false;
    State state = State::Writing;
    std::function<void()> removeWritten;
    std::function<void(Moment)> momentHook;
};
