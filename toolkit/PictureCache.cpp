// SPDX-License-Identifier: MIT
#include "PictureCache.h"

#include "MediaLimits.h"
#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentRun>
#include <QtDebug>

#include <sys/stat.h>

#include <cerrno>
#include <system_error>

PictureCache::PictureCache(QObject *parent) : QObject(parent)
{
    // One decode at a time: a progressive JPEG of many megapixels takes a lot of memory while it
    // is decoded, and the window's thread keeps a processor to itself.
    pool.setMaxThreadCount(1);
}

PictureCache::~PictureCache()
{
    pool.clear();
}

void PictureCache::request(const QString &fileName, QSize boxSize, qreal devicePixelRatio)
{
    const quint64 request = ++lastRequest;
    QString problem;
    const auto stamp = stampOf(fileName, &problem);
    if (!stamp) {
        entries.remove(fileName);
        reportFailure(fileName, QFileInfo(fileName).absoluteFilePath(), problem);
        return;
    }
    const Source source { *stamp, boxSize * devicePixelRatio, devicePixelRatio };
    if (const auto kept = entries.constFind(fileName); kept != entries.cend() && kept->source == source) {
        if (kept->pixmap)
            give(request, *kept->pixmap);
        return;
    }
    if (const auto decoding = running.find(fileName); decoding != running.end()) {
        decoding->request = request;
        return;
    }
    startDecode(fileName, { QFileInfo(fileName).absoluteFilePath(), source, request, nullptr });
}

// The file is named by the path it had when it was asked for, whatever the working directory is
// by the time it is decoded.
void PictureCache::startDecode(const QString &fileName, Decode decode)
{
    ++decodes;
    decode.watcher = new QFutureWatcher<Decoded>(this);
    connect(decode.watcher, &QFutureWatcherBase::finished, this, [this, fileName] { finished(fileName); });
    running.insert(fileName, decode);
    decode.watcher->setFuture(QtConcurrent::run(&pool, &PictureCache::decode, decode.path, decode.source));
}

// Runs on the pool's thread: it reads only its arguments.
PictureCache::Decoded PictureCache::decode(const QString &path, const Source &source)
{
    QFile file;
    if (const QString problem = RegularFile::open(path, file); !problem.isEmpty())
        return { {}, problem };
    if (source.file.size == 0)
        return { {}, QStringLiteral("the file is empty") };
    QImageReader reader(&file);
    if (const QString problem = MediaLimits::pictureProblem(reader); !problem.isEmpty())
        return { {}, problem };
    // The reader scales while decoding (for JPEG, in the DCT), so a large photograph is never
    // expanded to full size; the aspect ratio is not kept, the picture fills the box.
    reader.setScaledSize(source.pixelSize);
    QImage image = reader.read();
    if (image.isNull())
        return { {}, reader.errorString() };
    return { std::move(image), {} };
}

// One stat, with no time-zone lookup, as it runs at every tick of the banner. Without a regular
// file, problem says why in the system's words ("No such file or directory", "Too many levels of
// symbolic links").
std::optional<PictureCache::FileStamp> PictureCache::stampOf(const QString &path, QString *problem)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        if (problem)
            *problem = QString::fromStdString(std::generic_category().message(errno));
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        if (problem)
            *problem = S_ISDIR(status.st_mode) ? QStringLiteral("it is a folder, not a picture")
                                               : QStringLiteral("it is not a regular file");
        return std::nullopt;
    }
    return FileStamp { status.st_size,
                       qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1'000'000 };
}

void PictureCache::finished(const QString &fileName)
{
    const Decode decode = running.take(fileName);
    decode.watcher->deleteLater();
    Decoded decoded = decode.watcher->result();
    // Replaced or removed while it was decoded: what was read may be either file, or half of
    // each. Nothing is kept or said; the next request decodes the file as it is then.
    if (stampOf(decode.path) != decode.source.file) {
        entries.remove(fileName);
        return;
    }
    if (decoded.image.isNull()) {
        entries.insert(fileName, { decode.source, std::nullopt });
        reportFailure(fileName, decode.path, decoded.failure);
        return;
    }
    // A file that works again is reported again should it fail later.
    reportedFailures.remove(fileName);
    QPixmap pixmap = QPixmap::fromImage(std::move(decoded.image));
    pixmap.setDevicePixelRatio(decode.source.devicePixelRatio);
    entries.insert(fileName, { decode.source, pixmap });
    give(decode.request, pixmap);
}

void PictureCache::give(quint64 request, const QPixmap &pixmap)
{
    if (request < lastGiven)
        return;
    lastGiven = request;
    emit pictureReady(pixmap);
}

void PictureCache::reportFailure(const QString &fileName, const QString &path, const QString &reason)
{
    if (reportedFailures.contains(fileName))
        return;
    reportedFailures.insert(fileName);
    qWarning().noquote()
        << QStringLiteral("Cannot show the picture \"%1\" (%2): %3").arg(fileName, path, reason);
}
