// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class QFile;

// Opens a picture or a clip from outside for reading only once it is known to be a regular file,
// and without waiting for anything on the way: a FIFO or a device named like a picture would
// otherwise block the reader for ever. A symbolic link is followed, as any reader of the file
// would follow it; what it leads to must be a regular file too.
class RegularFile
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)

public:
    // Opens path into file (a QFile not yet open); why it cannot be, or nothing once it is open.
    static QString open(const QString &path, QFile &file);
};
