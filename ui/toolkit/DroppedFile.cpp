// SPDX-License-Identifier: MIT
#include "DroppedFile.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

QString DroppedFile::localPath(const QMimeData &data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    QString path = urls.first().toLocalFile();
    if (path.isEmpty() || QFileInfo(path).isDir())
        return {};
    return path;
}

QString DroppedFile::accept(QDropEvent &event)
{
    const QMimeData *data = event.mimeData();
    QString path = data && event.possibleActions().testFlag(Qt::CopyAction) ? localPath(*data) : QString();
    if (path.isEmpty()) {
        event.ignore();
        return {};
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return path;
}
