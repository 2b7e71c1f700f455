// SPDX-License-Identifier: MIT
#include "SessionBus.h"

#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QThreadPool>

namespace {

// Where the bus library looks for dbus-launch before it searches PATH.
const QString LauncherFolder = QStringLiteral("/usr/bin");
const QString Launcher = QStringLiteral("dbus-launch");

} // namespace

bool SessionBus::mayBeReached(const QProcessEnvironment &environment, const QString &launcherFolder)
{
    if (environment.contains(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")))
        return true;
    const QString runtimeFolder = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!runtimeFolder.isEmpty() && QFileInfo::exists(runtimeFolder + QStringLiteral("/bus")))
        return true;
    const QStringList path
        = environment.value(QStringLiteral("PATH")).split(QDir::listSeparator(), Qt::SkipEmptyParts);
    return !QStandardPaths::findExecutable(Launcher, { launcherFolder }).isEmpty()
        || (!path.isEmpty() && !QStandardPaths::findExecutable(Launcher, path).isEmpty());
}

void SessionBus::ruleOutWhereAbsent()
{
    if (!mayBeReached(QProcessEnvironment::systemEnvironment(), LauncherFolder))
        qputenv("DBUS_SESSION_BUS_ADDRESS", NoBusAddress);
}

void SessionBus::connectEarly()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        QThreadPool::globalInstance()->start([] { QDBusConnection::sessionBus(); });
}
