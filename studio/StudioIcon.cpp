// SPDX-License-Identifier: MIT
// studio_icon: the program's icon at SIZE pixels for the studio's manifest, scaled from the
// picture IN without smoothing, as the desktop icons are, so that its pixels stay crisp.
// Usage: studio_icon IN SIZE OUT
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: studio_icon IN SIZE OUT\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (icon.isNull() || size <= 0) {
        std::fprintf(stderr, "studio_icon: cannot read \"%s\" or size \"%s\"\n", argv[1], argv[2]);
        return 1;
    }
    if (!icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
             .save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "studio_icon: cannot write \"%s\"\n", argv[3]);
        return 1;
    }
    return 0;
}
