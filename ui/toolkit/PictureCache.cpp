#include "PictureCache.h"

#include <QFileInfo>
#include <QImageReader>
#include <QtDebug>

std::optional<QPixmap> PictureCache::load(const QString &fileName, QSize boxSize, qreal devicePixelRatio)
{
    const QFileInfo info(fileName);
    if (!info.isFile()) {
        entries.remove(fileName);
        reportFailure(
            fileName, info.exists() ? QStringLiteral("not a file") : QStringLiteral("no such file"));
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
    // The reader scales while decoding (for JPEG, in the DCT), so a large photograph is never
    // expanded to full size; the aspect ratio is not kept, the picture fills the box.
    QImageReader reader(fileName);
    reader.setScaledSize(source.pixelSize);
    QImage image = reader.read();
    if (image.isNull()) {
        reportFailure(fileName, reader.errorString());
        return std::nullopt;
    }
    // A file that works again is reported again should it fail later.
    reportedFailures.remove(fileName);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(source.devicePixelRatio);
    return pixmap;
}

void PictureCache::reportFailure(const QString &fileName, const QString &reason)
{
    if (reportedFailures.contains(fileName))
        return;
    reportedFailures.insert(fileName);
    qWarning().noquote() << QStringLiteral("Cannot show the picture \"%1\" (%2): %3")
                                .arg(fileName, QFileInfo(fileName).absoluteFilePath(), reason);
}
