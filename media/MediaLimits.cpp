// SPDX-License-Identifier: MIT
#include "MediaLimits.h"

#include "WavHeader.h"

#include <QFile>
#include <QImageReader>

#include <string>

QString MediaLimits::pictureProblem(QImageReader &reader)
{
    if (!reader.canRead())
        return reader.errorString();
    // A progressive JPEG is buffered whole while it is decoded, whatever size it is scaled to, so
    // a few kilobytes declaring a huge picture would otherwise take gigabytes.
    const QSize declared = reader.size();
    if (!declared.isValid())
        return tr("its size cannot be read from its header");
    if (qint64(declared.width()) * declared.height() > MaxPixels)
        return tr("it declares %1 by %2 pixels, more than the %3 megapixels a banner picture may have")
            .arg(declared.width())
            .arg(declared.height())
            .arg(MaxPixels / 1000000);
    return {};
}

QString MediaLimits::clipProblem(QFile &clip)
{
    if (clip.size() > MaxClipBytes)
        return tr("it is %1 bytes, more than the %2 MiB a clip may have")
            .arg(clip.size())
            .arg(MaxClipBytes / 1024 / 1024);
    // Only the chunks' headers and the format are read: the sound itself is for the player.
    const auto header
        = WavHeader::read(std::uint64_t(clip.size()), [&clip](std::uint64_t at, std::size_t size) {
              return clip.seek(qint64(at)) ? clip.read(qint64(size)).toStdString() : std::string();
          });
    // The caller reads the clip from where it was: a clip copied after its check is copied whole.
    clip.seek(0);
    if (!header)
        return tr("it is not a WAV sound clip");
    if (header->seconds() > MaxClipSeconds)
        return tr("it plays for %1 seconds, longer than the %2 seconds a clip may last")
            .arg(header->seconds(), 0, 'f', 1)
            .arg(MaxClipSeconds);
    return {};
}
