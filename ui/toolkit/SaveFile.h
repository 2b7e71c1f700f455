// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file at once through QSaveFile: the bytes go to a new file beside it, which
// replaces the old one only once everything is written, so a crash, a full disk or a killed
// program leaves the old file as it was.
// Tests make the next write fail with setNextFailure(), as a full disk would.
class SaveFile
{
public:
    // Empty on success; otherwise why the file could not be written, and the old one is untouched.
    static QString write(const QString &path, const QByteArray &bytes);

    // Test seam: the next write() is given up after writing, before the old file is replaced,
    // and reports this error.
    static void setNextFailure(const QString &error);
};
