// SPDX-License-Identifier: MIT
#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <QtDebug>

#include <utility>

namespace {

QString &testFolder()
{
    static QString folder;
    return folder;
}

void warn(const QString &fileName, const QString &problem, const char *consequence)
{
    qWarning().noquote() << QStringLiteral("The settings file \"%1\" %2; %3")
                                .arg(fileName, problem, QLatin1String(consequence));
}

// Why the file cannot be used, or nothing when it can (a missing file is an empty one). It is
// looked at before QSettings opens it, which would block on a FIFO and read any size.
QString problemWith(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (!file.exists() && !file.isSymLink())
        return {};
    if (!file.isFile())
        return QStringLiteral("is not a regular file");
    if (file.size() > Settings::MaxFileSize)
        return QStringLiteral("is larger than %1 KiB").arg(Settings::MaxFileSize / 1024);
    if (!file.isReadable())
        return QStringLiteral("cannot be read (permission denied)");
    return {};
}

// A file QSettings has once found it cannot parse, with that problem: within one process it would
// serve the next reader what it parsed from its cache, without the problem.
QHash<QString, QString> &unparsable()
{
    static QHash<QString, QString> files;
    return files;
}

} // namespace

Settings::Settings()
{
    const QString name = fileName();
    QString problem = problemWith(name);
    if (problem.isEmpty())
        problem = unparsable().value(name);
    if (problem.isEmpty()) {
        settings = std::make_unique<QSettings>(name, QSettings::IniFormat);
        // QSettings reads the file at the first question, and reads what it can of a file it
        // cannot parse: it would write back only that.
        settings->allKeys();
        if (settings->status() == QSettings::FormatError)
            problem = unparsable()[name] = QStringLiteral("does not hold settings");
        else if (settings->status() != QSettings::NoError)
            problem = QStringLiteral("cannot be used");
        if (!problem.isEmpty())
            settings.reset();
    }
    if (!problem.isEmpty())
        warn(name, problem, "the defaults are used and the file is left as it is");
}

Settings::~Settings() = default;

QString Settings::fileName()
{
    const QString folder = testFolder().isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/brindlecast")
        : testFolder();
    return QDir(folder).filePath(QStringLiteral("matchmaker.conf"));
}

bool Settings::readBool(const QString &key, bool defaultValue) const
{
    if (!settings)
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
    if (!settings)
        return false;
    settings->setValue(key, value);
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return true;
    if (!std::exchange(writeWarned, true))
        warn(settings->fileName(), QStringLiteral("cannot be written"),
             "the choices of this run are not kept");
    return false;
}

void Settings::setFolderForTesting(const QString &folder)
{
    testFolder() = folder;
}
