// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QSettings;

// The user's choices that outlast a run, kept in the desktop's configuration folder for the
// program (on Linux ~/.config/brindlecast/matchmaker.conf), in QSettings' INI format. The file is
// the user's and may be anything: only a regular file of at most MaxFileSize bytes is read, so
// that a FIFO cannot hang the start or a huge file bloat it. One that cannot be used gives the
// defaults and is never written, so that what it holds is not lost; one that cannot be written
// keeps a choice for this run only. Either is named in one warning line with the reason, and
// nothing else changes.
class Settings
{
public:
    static constexpr qint64 MaxFileSize = qint64 { 64 } * 1024;

    // Reads the file.
    Settings();
    ~Settings();
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    // The stored value, or defaultValue when there is none or it is not "true" or "false".
    bool readBool(const QString &key, bool defaultValue) const;
    // Stores the value at once. False when it could not be stored.
    bool writeBool(const QString &key, bool value);
    // Where the settings are kept.
    static QString fileName();

    // Test seam: settings made from now on keep their file in this folder; an empty folder
    // restores the desktop's.
    static void setFolderForTesting(const QString &folder);

private:
    std::unique_ptr<QSettings> settings;
    bool writeWarned = false;
};
