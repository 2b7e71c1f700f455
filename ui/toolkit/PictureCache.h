// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>

#include <optional>

// Loads picture files at the size they are shown and keeps each decoded picture, so that showing
// the same file again costs a stat and a hash lookup. A kept picture is used only while the file's
// size and modification time are those it was decoded from; a replaced file is decoded anew.
// A file that cannot be read gives no picture and one warning line, not one at every call; it is
// not decoded again until it changes. A picture whose header declares more than MaxPixels is
// refused before it is decoded.
class PictureCache
{
public:
    // Forty megapixels: every camera photograph people are likely to drop in (24 megapixels is
    // 6000 by 4000) loads, while the memory a progressive JPEG takes to decode stays near 120 MB.
    // The banner's box needs 0.02 megapixels.
    static constexpr qint64 MaxPixels = 40'000'000;

    // The picture in fileName (a bare name is resolved against the working directory), stretched
    // to fill boxSize device-independent pixels at devicePixelRatio; nothing if it cannot be read.
    std::optional<QPixmap> load(const QString &fileName, QSize boxSize, qreal devicePixelRatio = 1.0);

    // Test seam: how many times a file has been decoded.
    int decodeCount() const { return decodes; }

private:
    // Everything a decoded picture depends on.
    struct Source
    {
        qint64 fileSize = -1;
        QDateTime modified;
        QSize pixelSize;
        qreal devicePixelRatio = 1.0;
        bool operator==(const Source &) const = default;
    };
    struct Entry
    {
        Source source;
        std::optional<QPixmap> pixmap; // none: the file could not be decoded
    };

    std::optional<QPixmap> decode(const QString &fileName, const Source &source);
    std::nullopt_t failed(const QString &fileName, const QString &reason);
    void reportFailure(const QString &fileName, const QString &reason);

    QHash<QString, Entry> entries;
    QSet<QString> reportedFailures;
    int decodes = 0;
};
