// SPDX-License-Identifier: MIT
#include "DroppedFile.h"

#include "FileName.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <filesystem>
#include <system_error>

QString DroppedFile::localPath(const QMimeData &data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    // The bytes of the name as the file manager sent them (%E9 for a Latin-1 byte): toLocalFile()
    // would turn a byte that is not UTF-8 into U+FFFD, and the file could not be opened.
    const QByteArray bytes
        = QByteArray::fromPercentEncoding(urls.first().path(QUrl::FullyEncoded).toLatin1());
    std::error_code error;
    if (bytes.isEmpty() || std::filesystem::is_directory(bytes.toStdString(), error))
        return {};
    return FileName::fromNative(bytes);
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
