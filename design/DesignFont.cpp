// SPDX-License-Identifier: MIT
#include "DesignFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

namespace {

// Faces drawn to the advance widths of the Windows sans-serif faces the design was measured in.
const QStringList DesignFaces { "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo" };
const QString WiderFallback = QStringLiteral("DejaVu Sans");

const QString WidthSample
    = QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789");
// The sample's width in the design's face, in ems: Liberation Sans and Arimo share the advance
// widths of the Windows sans-serif faces, and give this.
constexpr qreal DesignSampleEms = 36.4;
// Hinting moves small sizes by a pixel or two either way; only a face wider than that shrinks.
constexpr qreal WidthTolerance = 1.01;

// The candidate faces that are installed, in order of preference. A face that is not installed
// would be looked up again in the font configuration each time a size is first drawn.
QStringList installedFaces()
{
    const QStringList installed = QFontDatabase::families();
    QStringList faces;
    for (const QString &face : DesignFaces + QStringList { WiderFallback }) {
        if (installed.contains(face, Qt::CaseInsensitive))
            faces += face;
    }
    return faces;
}

} // namespace

QFont DesignFont::sansSerif(qreal points)
{
    QFont font;
    static const QStringList faces = installedFaces();
    if (!faces.isEmpty())
        font.setFamilies(faces);
    font.setStyleHint(QFont::SansSerif);
    int pixels = static_cast<int>(std::lround(points * 96.0 / 72.0));
    font.setPixelSize(pixels);
    if (DesignFaces.contains(QFontInfo(font).family(), Qt::CaseInsensitive))
        return font;
    // A wider face (DejaVu Sans, where Liberation Sans is missing) would overflow the fixed boxes
    // the design's texts were measured for; it gets the largest size that is no wider.
    const qreal designWidth = DesignSampleEms * pixels;
    while (pixels > 1 && QFontMetricsF(font).horizontalAdvance(WidthSample) > designWidth * WidthTolerance)
        font.setPixelSize(--pixels);
    return font;
}

QFont DesignFont::fitted(QFont font, const QString &text, int width)
{
    for (int pixels = font.pixelSize(); pixels > 1 && QFontMetrics(font).horizontalAdvance(text) > width;)
        font.setPixelSize(--pixels);
    return font;
}
