// SPDX-License-Identifier: MIT
#include "PictureCache.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtDebug>

#include <filesystem>
#include <system_error>

namespace {

// Why a name gives no file to read, in the system's words ("No such file or directory", "Too
// many levels of symbolic links", "Permission denied").
QString missingFileReason(const QString &fileName)
{
    std::error_code error;
    const auto status = std::filesystem::status(QFile::encodeName(fileName).toStdString(), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    if (status.type() == std::filesystem::file_type::directory)
        return QStringLiteral("it is a folder, not a picture");
    return QStringLiteral("it is not a regular file");
}

QString tooLargeReason(QSize declared)
{
    return QStringLiteral(
               "it declares %1 by %2 pixels, more than the %3 megapixels a banner picture may have")
        .arg(declared.width())
        .arg(declared.height())
        .arg(PictureCache::MaxPixels / 1000000);
}

} // namespace

std::optional<QPixmap> PictureCache::load(const QString &fileName, QSize boxSize, qreal devicePixelRatio)
{
    const QFileInfo info(fileName);
    if (!info.isFile()) {
        entries.remove(fileName);
        reportFailure(fileName, missingFileReason(fileName));
        return std::nullopt;
    }
    // Taken before decoding: a file replaced meanwhile looks changed at the next call.
    const Source source { info.size(), info.lastModified(), boxSize * devicePixelRatio, devicePixelRatio };
    const auto cached = entries.constFind(fileName);
    if (cached != entries.cend() && cached->source == source)
        return cached->pixmap;

    const Entry entry { source, decode(fileName, source) };
    entries.insert(fileName, entry);
    return entry.pixmap;
}

std::optional<QPixmap> PictureCache::decode(const QString &fileName, const Source &source)
{
    ++decodes;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failed(fileName, file.errorString());
    if (source.fileSize == 0)
        return failed(fileName, QStringLiteral("the file is empty"));
    QImageReader reader(&file);
    if (!reader.canRead())
        return failed(fileName, reader.errorString());
    // The size comes from the header alone. A progressive JPEG is buffered whole while it is
    // decoded, whatever size it is scaled to, so a few kilobytes declaring a huge picture would
    // otherwise take gigabytes.
    const QSize declared = reader.size();
    if (!declared.isValid() || qint64(declared.width()) * declared.height() > MaxPixels)
        return failed(fileName,
                      declared.isValid() ? tooLargeReason(declared)
                                         : QStringLiteral("its size cannot be read from its header"));
    // The reader scales while decoding (for JPEG, in the DCT), so a large photograph is never
    // expanded to full size; the aspect ratio is not kept, the picture fills the box.
    reader.setScaledSize(source.pixelSize);
    QImage image = reader.read();
    if (image.isNull())
        return failed(fileName, reader.errorString());
    // A file that works again is reported again should it fail later.
    reportedFailures.remove(fileName);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(source.devicePixelRatio);
    return pixmap;
}

std::nullopt_t PictureCache::failed(const QString &fileName, const QString &reason)
{
    reportFailure(fileName, reason);
    return std::nullopt;
}

void PictureCache::reportFailure(const QString &fileName, const QString &reason)
{
    if (reportedFailures.contains(fileName))
        return;
    reportedFailures.insert(fileName);
    qWarning().noquote() << QStringLiteral("Cannot show the picture \"%1\" (%2): %3")
                                .arg(fileName, QFileInfo(fileName).absoluteFilePath(), reason);
}
