// SPDX-License-Identifier: MIT
// Build step: decodes a picture of assets/ with Qt's own readers, as the program would at run time,
// and writes it as C++ source, pixels ready to show, so that the program needs no image decoder
// (and loads no image-format plugin) to show its window. The first frame of an animation is
// kept; a Windows cursor keeps its hot spot. Given a size, the picture is stretched to it as a
// label that scales its contents would stretch it.
//
// Usage: compile_picture PICTURE OUTPUT_DIR NAME [WIDTHxHEIGHT]
// Writes OUTPUT_DIR/compiled/NAME.h, declaring the CompiledPicture Compiled::NAME, and
// OUTPUT_DIR/compiled/NAME.cpp, defining it.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "compile_picture: %s\n", qPrintable(message));
    std::exit(1);
}

// A Windows cursor file (type 2 in its header) keeps its hot spot in its first directory entry,
// as two little-endian 16-bit numbers at bytes 10 and 12; Qt's reader keeps only the picture.
QPoint hotSpot(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail(file.errorString());
    const QByteArray head = file.read(14);
    const auto word = [&head](int at) { return quint8(head.at(at)) | quint8(head.at(at + 1)) << 8; };
    if (head.size() < 14 || word(0) != 0 || word(2) != 2)
        return {};
    return { word(10), word(12) };
}

QSize sizeArgument(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    const QSize size(parts.value(0).toInt(), parts.size() == 2 ? parts.value(1).toInt() : 0);
    if (size.isEmpty())
        fail(text + ": not a size such as 176x111");
    return size;
}

void write(const QString &fileName, const QString &text)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
        fail(fileName + ": " + file.errorString());
}

// The pixels as the 32-bit values the image formats are defined in, eight to a line.
QString pixelArray(const QImage &image)
{
    QString text;
    QTextStream out(&text);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out << QStringLiteral("0x%1,").arg(line[x], 8, 16, QLatin1Char('0')) << (++count % 8 ? "" : "\n");
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 5)
        fail(QStringLiteral("usage: compile_picture PICTURE OUTPUT_DIR NAME [WIDTHxHEIGHT]"));
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    const QDir output(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/compiled"));
    if (!output.mkpath(QStringLiteral(".")))
        fail(output.path() + ": cannot make the folder");

    QImageReader reader(source);
    QImage image = reader.read();
    if (image.isNull())
        fail(source + ": " + reader.errorString());
    // The formats the window's pixmaps use, so that showing the picture converts nothing.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (argc == 5)
        image = image.scaled(sizeArgument(QString::fromLocal8Bit(argv[4])), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    const QPoint spot = hotSpot(source);

    const QString origin = QFileInfo(source).fileName();
    write(output.filePath(name + ".h"),
          QStringLiteral("// Made by compile_picture from %1: do not edit.\n"
                         "#pragma once\n\n#include \"CompiledPicture.h\"\n\n"
                         "namespace Compiled {\nextern const CompiledPicture %2;\n}\n")
              .arg(origin, name));
    write(output.filePath(name + ".cpp"),
          QStringLiteral("// Made by compile_picture from %1: do not edit.\n"
                         "#include \"compiled/%2.h\"\n\n"
                         "namespace {\nalignas(16) const quint32 pixels[] = {\n%3};\n}\n\n"
                         "const CompiledPicture Compiled::%2 { %4, %5, %6, QImage::Format(%7), { %8, %9 },\n"
                         "                                    reinterpret_cast<const uchar *>(pixels) };\n")
              .arg(origin, name, pixelArray(image))
              .arg(image.width())
              .arg(image.height())
              .arg(image.bytesPerLine())
              .arg(int(image.format()))
              .arg(spot.x())
              .arg(spot.y()));
    return 0;
}
