// SPDX-License-Identifier: MIT
#include "Settings.h"

#include "RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QtDebug>

#include <algorithm>
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

// QSettings reads any bytes as settings, keeping what it can make of them, and would write back
// only that: a file is taken only when it holds nothing but what its INI format is made of, in
// UTF-8 text: sections, keys with values, comments and blank lines. A missing file holds none.
bool holdsSettings(const QString &fileName)
{
    QFile file;
    if (!QFileInfo::exists(fileName) || !RegularFile::open(fileName, file).isEmpty())
        return !QFileInfo::exists(fileName);
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const QString text = fromUtf8(file.read(Settings::MaxFileSize));
    if (fromUtf8.hasError())
        return false;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (std::any_of(trimmed.cbegin(), trimmed.cend(),
                        [](QChar c) { return c.unicode() < 0x20 && c != '\t'; }))
            return false;
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1Char('[')) ? !trimmed.endsWith(QLatin1Char(']'))
                                                 : !trimmed.contains(QLatin1Char('=')))
            return false;
    }
    return true;
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
    if (problem.isEmpty() && !holdsSettings(name))
        problem = QStringLiteral("does not hold settings");
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
