// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <algorithm>
#include <random>

// Smooth colour gradients with fine noise: compresses about as a photograph does. The seed varies
// the noise, so that pictures of the same size are not the same file.
inline QImage photographLike(QSize size, unsigned seed = 12345)
{
    QImage image(size, QImage::Format_RGB32);
    std::minstd_rand noise(seed);
    std::uniform_int_distribution<int> grain(-12, 12);
    const int w = size.width();
    const int h = size.height();
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int r = 255 * x / w + grain(noise);
            const int g = 255 * y / h + grain(noise);
            const int b = 255 * ((x + y) % 997) / 997 + grain(noise);
            line[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return image;
}
