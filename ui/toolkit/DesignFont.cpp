#include "DesignFont.h"

#include <QStringList>

#include <cmath>

QFont DesignFont::sansSerif(qreal points)
{
    QFont font;
    // Liberation Sans and Arimo share the widths of the Windows sans-serif faces.
    font.setFamilies({ "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans" });
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    return font;
}
