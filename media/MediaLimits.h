// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>

class QFile;
class QImageReader;

// How large the pictures and sound clips the program takes from outside may be: the banner
// checks each picture and the results each clip against these before decoding it, and the web
// export leaves out what they refuse, so that a file from anyone cannot take the memory.
class MediaLimits
{
    Q_DECLARE_TR_FUNCTIONS(MediaLimits)

public:
    // Forty megapixels: every camera photograph people are likely to drop in (24 megapixels is
    // 6000 by 4000) loads, while the memory a progressive JPEG takes to decode stays near 120 MB.
    // The banner's box needs 0.02 megapixels.
    static constexpr qint64 MaxPixels = 40'000'000;
    // A clip is played from memory, decoded whole.
    static constexpr qint64 MaxClipBytes = qint64 { 8 } * 1024 * 1024;
    static constexpr int MaxClipSeconds = 30;

    // Why the picture the reader is opened on may not be decoded, from its header alone; empty
    // when it may.
    static QString pictureProblem(QImageReader &reader);
    // Why the clip, open for reading (RegularFile), may not be played; empty when it may, and then
    // it is at its start again. A file larger than a clip may be is refused on its size alone,
    // before a byte of it is read.
    static QString clipProblem(QFile &clip);
};
