// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <optional>

template<typename T>
class QFutureWatcher;

// Gives pictures from files at the size they are shown. Files are decoded on a thread of the
// cache's own, one at a time, so that a large photograph never holds up the window's thread, and
// each decoded picture is kept, so that showing the same file again costs a stat and a hash
// lookup. A kept picture is used only while the file's size and modification time are those it
// was decoded from; a replaced file is decoded anew. A file that cannot be read gives no picture
// and one warning line, not one at every request; it is not decoded again until it changes. A
// picture whose header declares more than MediaLimits::MaxPixels is refused before it is decoded.
class PictureCache : public QObject
{
    Q_OBJECT

public:
    explicit PictureCache(QObject *parent = nullptr);
    // Drops the decodes not yet started and waits for the one under way, whose result is dropped.
    ~PictureCache() override;

    // Asks for the picture in fileName (a bare name is resolved against the working directory),
    // stretched to fill boxSize device-independent pixels at devicePixelRatio. A kept picture is
    // given through pictureReady before this returns; any other is decoded and given once it is
    // ready, unless the picture of a later request has been given meanwhile, so that what is
    // shown never goes back to an older request. A file already being decoded is not decoded a
    // second time: its result answers the latest request for it. A file that cannot be read, or
    // that is replaced while it is being decoded, gives nothing.
    void request(const QString &fileName, QSize boxSize, qreal devicePixelRatio = 1.0);

    // Test seams: how many decodes have been started, and whether one is still under way.
    int decodeCount() const { return decodes; }
    bool isDecoding() const { return !running.isEmpty(); }

signals:
    void pictureReady(const QPixmap &picture);

private:
    // The file as it was when a decode started: a changed size or time means another file.
    struct FileStamp
    {
        qint64 size = -1;
        qint64 modifiedMs = 0; // since the epoch, to the millisecond as Qt gives file times
        bool operator==(const FileStamp &) const = default;
    };
    // Everything a decoded picture depends on.
    struct Source
    {
        FileStamp file;
        QSize pixelSize;
        qreal devicePixelRatio = 1.0;
        bool operator==(const Source &) const = default;
    };
    struct Entry
    {
        Source source;
        std::optional<QPixmap> pixmap; // none: the file could not be decoded
    };
    // What a decode hands back from the pool's thread: the picture, or why there is none.
    struct Decoded
    {
        QImage image;
        QString failure;
    };
    struct Decode
    {
        QString path; // absolute
        Source source;
        quint64 request = 0; // the latest request this decode answers
        QFutureWatcher<Decoded> *watcher = nullptr;
    };

    static Decoded decode(const QString &path, const Source &source);
    static std::optional<FileStamp> stampOf(const QString &path, QString *problem = nullptr);
    void startDecode(const QString &fileName, Decode decode);
    void finished(const QString &fileName);
    void give(quint64 request, const QPixmap &pixmap);
    void reportFailure(const QString &fileName, const QString &path, const QString &reason);

    QThreadPool pool;
    QHash<QString, Entry> entries;
    QHash<QString, Decode> running;
    QSet<QString> reportedFailures;
    quint64 lastRequest = 0;
    quint64 lastGiven = 0;
    int decodes = 0;
};
