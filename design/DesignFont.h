// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The design's "MS Sans Serif" at a given point size, or the nearest sans-serif face installed.
// Sizes are set in pixels at 96 dots per inch, as the design was drawn, so that texts keep
// their place in the fixed-size window whatever the screen's resolution setting. Where only a
// face wider than the design's is installed, the size is lowered until the face is no wider, so
// that the design's texts still fit their boxes.
class DesignFont
{
public:
    static QFont sansSerif(qreal points);
    // The font at the largest pixel size, no larger than its own, at which text is at most width
    // pixels wide: for captions translated into a longer word than the design's.
    static QFont fitted(QFont font, const QString &text, int width);
};
