// SPDX-License-Identifier: MIT
#include "MediaLimits.h"

#include "WavHeader.h"

#include <QFile>
#include <QImageReader>

#include <string_view>

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
    const QByteArray bytes = clip.read(MaxClipBytes);
    clip.seek(0);
    const auto header = WavHeader::parse(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!header)
        return tr("it is not a WAV sound clip");
    if (header->seconds() > MaxClipSeconds)
        return tr("it plays for %1 seconds, longer than the %2 seconds a clip may last")
            .arg(header->seconds(), 0, 'f', 1)
            .arg(MaxClipSeconds);
    return {};
}
