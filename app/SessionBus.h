// SPDX-License-Identifier: MIT
#pragma once

#include <QProcessEnvironment>
#include <QString>

// The desktop's session bus, which the accessibility bridge connects to when the first control is
// given its text.
class SessionBus
{
public:
    // Where the bus library could neither find a session bus nor start one, it would still fork a
    // process to look for dbus-launch along PATH, and the window's thread pays for that fork in
    // page faults while it builds the window. There the bus's address is set to one that fails at
    // once. Call it before any thread starts, since it changes the environment.
    static void ruleOutWhereAbsent();
    // Connects on the thread pool while the window is made (on xcb and Wayland, where the bridge
    // uses it), so that the bridge does not wait for the connection on the window's thread.
    static void connectEarly();

    // Whether the bus library would find or start a session bus: an address is given, the user's
    // bus socket is in the runtime folder, or dbus-launch is in launcherFolder or along PATH.
    static bool mayBeReached(const QProcessEnvironment &environment, const QString &launcherFolder);

    // An address of a kind no bus library opens.
    static inline const QByteArray NoBusAddress = QByteArrayLiteral("disabled:");
};
