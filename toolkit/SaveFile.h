// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file at once: the bytes go to a new file beside it, which is written, flushed
// to the disk and checked at every step, and which replaces the old one only once all of that
// has succeeded. So a full disk, a crash or a killed program leaves the old file byte for byte
// as it was, and a failed save is never reported as done. The new file keeps the old one's
// permissions; a symbolic link is followed, so the file it points to is the one replaced. The
// name is a file name as FileName gives it, so a name that is not UTF-8 is written as it is.
// Tests make the next write fail with setNextFailure(), as a full disk would.
class SaveFile
{
public:
    // Empty on success; otherwise the system's reason ("No space left on device"), and the old
    // file is untouched and no temporary file is left behind.
    static QString write(const QString &path, const QByteArray &bytes);

    // Test seam: the next write() is given up after writing, before the old file is replaced,
    // and reports this error.
    static void setNextFailure(const QString &error);
};
