// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>

// A picture compiled into the program as pixels ready to show, made at build time from a file of
// assets/ by tools/compile_picture with Qt's own readers. Showing it takes no image decoder, so
// that the window comes up without loading an image-format plugin.
struct CompiledPicture
{
    int width;
    int height;
    qsizetype bytesPerLine;
    QImage::Format format;
    QPoint hotSpot; // where a cursor points; (0, 0) for other pictures
    const uchar *pixels;

    QSize size() const { return { width, height }; }
    // The pixels where they are, not copied.
    QImage image() const { return { pixels, width, height, bytesPerLine, format }; }
    QPixmap pixmap() const { return QPixmap::fromImage(image()); }
};
