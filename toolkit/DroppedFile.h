// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QDropEvent;
class QMimeData;

// A file dragged onto a window that opens one file at a time. Only a single local file is
// taken, whatever its name (whether it holds what the window wants is for its reader to say);
// text, several files, a remote address or a folder are refused, so that the desktop shows the
// no-drop cursor.
class DroppedFile
{
public:
    // The path of the one local file the data carries; empty when it carries anything else.
    static QString localPath(const QMimeData &data);
    // Accepts a drag-enter, drag-move or drop event that carries one local file, as a copy,
    // and returns the file's path; refuses any other and returns an empty path. A drag that
    // offers only to move the file is refused: the file manager would delete it once dropped.
    static QString accept(QDropEvent &event);
};
