// SPDX-License-Identifier: MIT
#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QtDebug>

namespace {

const QString Organization = QStringLiteral("brindlecast");
const QString Application = QStringLiteral("matchmaker");

QString &testFolder()
{
    static QString folder;
    return folder;
}

// The desktop's own place and format for the program's settings, or a file in the test folder.
std::unique_ptr<QSettings> openSettings()
{
    if (!testFolder().isEmpty())
        return std::make_unique<QSettings>(Settings::fileName(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Organization,
                                       Application);
}

// QSettings takes a missing file for an empty one, which is right for the first run, and reports
// a file it could not open; a file it may not read at all is checked here as well.
bool isReadable(const QSettings &settings)
{
    const QFileInfo file(settings.fileName());
    if (file.exists() && (!file.isFile() || !file.isReadable()))
        return false;
    return settings.status() == QSettings::NoError;
}

void warn(const char *what, const QString &fileName)
{
    qWarning().noquote() << QStringLiteral("Cannot %1 the settings file \"%2\"; the settings of this run "
                                           "are not kept")
                                .arg(QLatin1String(what), fileName);
}

} // namespace

Settings::Settings() : settings(openSettings())
{
    readable = isReadable(*settings);
    if (!readable)
        warn("read", settings->fileName());
}

Settings::~Settings() = default;

QString Settings::fileName()
{
    if (!testFolder().isEmpty())
        return QDir(testFolder()).filePath(Application + QStringLiteral(".conf"));
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application).fileName();
}

bool Settings::readBool(const QString &key, bool defaultValue) const
{
    if (!readable)
        return defaultValue;
    const QString value = settings->value(key).toString();
    if (value == QLatin1String("true"))
        return true;
    if (value == QLatin1String("false"))
        return false;
    return defaultValue;
}

bool Settings::writeBool(const QString &key, bool value)
{
    if (!readable)
        return false;
    settings->setValue(key, value);
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return true;
    warn("write", settings->fileName());
    return false;
}

void Settings::setFolderForTesting(const QString &folder)
{
    testFolder() = folder;
}
