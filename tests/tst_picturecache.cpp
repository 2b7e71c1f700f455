// SPDX-License-Identifier: MIT
#include "PictureCache.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

namespace {

const QSize bannerBox(176, 111);

// Red grows to the right and green downwards, so a crop, a margin or a shift anywhere shows up
// as a difference from the whole picture stretched.
QImage gradient(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb(255 * x / size.width(), 255 * y / size.height(), 128);
    }
    return image;
}

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The mean difference of the two pictures in the colour channel where they differ most.
double largestMeanDifference(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    std::array<double, 3> sums {};
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            sums[0] += std::abs(qRed(p) - qRed(q));
            sums[1] += std::abs(qGreen(p) - qGreen(q));
            sums[2] += std::abs(qBlue(p) - qBlue(q));
        }
    }
    return *std::max_element(sums.begin(), sums.end()) / (left.width() * left.height());
}

// A small progressive JPEG whose frame header is patched to declare 20000 by 20000 pixels.
QByteArray hugeProgressiveJpeg()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(gradient(QSize(64, 48)));
    const qsizetype frame = bytes.indexOf("\xFF\xC2");
    if (frame < 0)
        return {};
    for (const qsizetype at : { frame + 5, frame + 7 }) { // height, then width, big-endian
        bytes[at] = char(20000 >> 8);
        bytes[at + 1] = char(20000 & 0xFF);
    }
    return bytes;
}

QColor centreColour(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// Every picture the cache gives, in order.
class Given
{
public:
    explicit Given(PictureCache &cache)
    {
        QObject::connect(&cache, &PictureCache::pictureReady, &receiver,
                         [this](const QPixmap &picture) { pictures << picture; });
    }
    QList<QPixmap> pictures;
    QList<QColor> colours() const
    {
        QList<QColor> result;
        for (const QPixmap &picture : pictures)
            result << centreColour(picture);
        return result;
    }

private:
    QObject receiver;
};

// Waits until no decode is under way, so that every result has been handled.
bool decodesEnded(const PictureCache &cache)
{
    return QTest::qWaitFor([&cache] { return !cache.isDecoding(); });
}

// Asks for a picture as a tick would and waits for the answer: the picture given, if any.
std::optional<QPixmap> load(PictureCache &cache, const QString &fileName, QSize boxSize,
                            qreal devicePixelRatio = 1.0)
{
    const Given given(cache);
    cache.request(fileName, boxSize, devicePixelRatio);
    if (!decodesEnded(cache))
        QTest::qFail("the decode did not end", __FILE__, __LINE__);
    return given.pictures.isEmpty() ? std::nullopt : std::optional(given.pictures.last());
}

} // namespace

class TestPictureCache : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fillsTheBox_data();
    void fillsTheBox();
    void resolvesBareNamesInTheWorkingDirectory();
    void unreadableFileGivesNothingAndOneWarning_data();
    void unreadableFileGivesNothingAndOneWarning();
    void warnsAgainOnlyAfterRecovery();
    void decodesOnlyWhenNeeded_data();
    void decodesOnlyWhenNeeded();
    void laterRequestsWin_data();
    void laterRequestsWin();
    void replacedWhileDecodingGivesNothing();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    void save(const QImage &image, const QString &name, const char *format = "JPEG") const;
    void setModified(const QString &name, const QDateTime &time) const;

    std::unique_ptr<QTemporaryDir> dir;
};

void TestPictureCache::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestPictureCache::save(const QImage &image, const QString &name, const char *format) const
{
    QVERIFY(image.save(path(name), format, 95));
}

void TestPictureCache::setModified(const QString &name, const QDateTime &time) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

void TestPictureCache::fillsTheBox_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::addColumn<QSize>("expectedPixels");

    QTest::newRow("320x240 jpeg") << QSize(320, 240) << QByteArray("JPEG") << 1.0 << QSize(176, 111);
    QTest::newRow("640x480 jpeg") << QSize(640, 480) << QByteArray("JPEG") << 1.0 << QSize(176, 111);
    QTest::newRow("1600x1200 jpeg") << QSize(1600, 1200) << QByteArray("JPEG") << 1.0 << QSize(176, 111);
    QTest::newRow("tall 240x640 jpeg") << QSize(240, 640) << QByteArray("JPEG") << 1.0 << QSize(176, 111);
    QTest::newRow("small 100x50 png") << QSize(100, 50) << QByteArray("PNG") << 1.0 << QSize(176, 111);
    QTest::newRow("640x480 jpeg, ratio 2") << QSize(640, 480) << QByteArray("JPEG") << 2.0 << QSize(352, 222);
    QTest::newRow("640x480 jpeg, ratio 1.5")
        << QSize(640, 480) << QByteArray("JPEG") << 1.5 << QSize(264, 167);
}

// Whatever its size and format, the picture comes back at the box's size in device pixels, and it
// is the whole picture stretched: neither cropped nor framed.
void TestPictureCache::fillsTheBox()
{
    QFETCH(QSize, pictureSize);
    QFETCH(QByteArray, format);
    QFETCH(qreal, devicePixelRatio);
    QFETCH(QSize, expectedPixels);
    // Always named .jpg, as the banner's files are: the reader goes by the content.
    save(gradient(pictureSize), QStringLiteral("5.jpg"), format.constData());

    PictureCache cache;
    const auto picture = load(cache, path(QStringLiteral("5.jpg")), bannerBox, devicePixelRatio);
    QVERIFY(picture);
    QCOMPARE(picture->size(), expectedPixels);
    QCOMPARE(picture->devicePixelRatio(), devicePixelRatio);
    const QImage wholeStretched
        = QImage(path(QStringLiteral("5.jpg")))
              .scaled(expectedPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = largestMeanDifference(picture->toImage(), wholeStretched);
    QVERIFY2(difference < 4, qPrintable(QStringLiteral("mean difference %1").arg(difference)));
}

void TestPictureCache::resolvesBareNamesInTheWorkingDirectory()
{
    save(filled(QSize(320, 240), Qt::blue), QStringLiteral("7.jpg"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    PictureCache cache;
    const auto picture = load(cache, QStringLiteral("7.jpg"), bannerBox);
    QVERIFY(QDir::setCurrent(previous));
    QVERIFY(picture);
    QCOMPARE(picture->size(), bannerBox);
}

void TestPictureCache::unreadableFileGivesNothingAndOneWarning_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind"); // "file", "missing", "directory", "loop" or "unreadable"
    QTest::addColumn<int>("expectedDecodes");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << QByteArray() << "missing" << 0 << "No such file or directory";
    QTest::newRow("directory") << QByteArray() << "directory" << 0 << "it is a folder";
    QTest::newRow("symbolic link loop") << QByteArray() << "loop" << 0 << "Too many levels of symbolic links";
    QTest::newRow("unreadable") << QByteArray("x") << "unreadable" << 1 << "Permission denied";
    QTest::newRow("garbage bytes") << QByteArray("this is not a picture, only some text\n").repeated(40)
                                   << "file" << 1 << "Unsupported image format";
    QTest::newRow("empty file") << QByteArray("") << "file" << 1 << "the file is empty";
    QTest::newRow("jpeg marker then garbage") << QByteArray("\xFF\xD8\xFF\xE0 garbage") << "file" << 1 << "";
    QTest::newRow("progressive, declares 20000 by 20000")
        << hugeProgressiveJpeg() << "file" << 1
        << "declares 20000 by 20000 pixels, more than the 40 megapixels";
}

// Several ticks on a bad file: nothing, one warning naming the file and why, and at most one
// decode attempt (the JPEG decoder prints its own diagnostics at each attempt).
void TestPictureCache::unreadableFileGivesNothingAndOneWarning()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(int, expectedDecodes);
    QFETCH(QString, reason);
    const QString name = path(QStringLiteral("4.jpg"));
    if (kind == "unreadable" && geteuid() == 0)
        QSKIP("root reads every file");
    if (kind == "directory")
        QVERIFY(QDir().mkdir(name));
    if (kind == "loop")
        QVERIFY(QFile::link(name, name));
    if (kind == "file" || kind == "unreadable") {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    if (kind == "unreadable")
        QVERIFY(QFile::setPermissions(name, {}));

    const auto nameWarning
        = QRegularExpression(QRegularExpression::escape(name) + ".*" + QRegularExpression::escape(reason));
    QTest::ignoreMessage(QtWarningMsg, nameWarning);
    QTest::failOnWarning(QRegularExpression(QRegularExpression::escape(name)));
    PictureCache cache;
    for (int tick = 0; tick < 3; ++tick)
        QVERIFY(!load(cache, name, bannerBox));
    QCOMPARE(cache.decodeCount(), expectedDecodes);
}

// A file that fails, works, fails again: a warning for each failing spell, none for the calls between;
// a file that could not be decoded is tried again once it has been replaced.
void TestPictureCache::warnsAgainOnlyAfterRecovery()
{
    const QString name = path(QStringLiteral("2.jpg"));
    const auto nameWarning = QRegularExpression(QRegularExpression::escape(name));
    QTest::ignoreMessage(QtWarningMsg, nameWarning);
    QTest::ignoreMessage(QtWarningMsg, nameWarning);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    PictureCache cache;
    {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }

    QVERIFY(!load(cache, name, bannerBox));
    QVERIFY(!load(cache, name, bannerBox));
    save(filled(QSize(320, 240), Qt::red), QStringLiteral("2.jpg"));
    QVERIFY(load(cache, name, bannerBox));
    QCOMPARE(cache.decodeCount(), 2);
    QVERIFY(QFile::remove(name));
    QVERIFY(!load(cache, name, bannerBox)); // the kept picture is not served for a vanished file
    QVERIFY(!load(cache, name, bannerBox));
    save(filled(QSize(320, 240), Qt::red), QStringLiteral("2.jpg"));
    QVERIFY(load(cache, name, bannerBox));
}

void TestPictureCache::decodesOnlyWhenNeeded_data()
{
    QTest::addColumn<QSize>("replacementSize"); // invalid: the file is not rewritten
    QTest::addColumn<int>("timeShift");         // seconds added to the file's first modification time
    QTest::addColumn<QSize>("secondBox");
    QTest::addColumn<qreal>("secondRatio");
    QTest::addColumn<int>("expectedDecodes");
    QTest::addColumn<QColor>("expectedColour");

    const QColor red(Qt::red);
    const QColor blue(Qt::blue);
    QTest::newRow("unchanged") << QSize() << 0 << bannerBox << 1.0 << 1 << red;
    QTest::newRow("replaced, same size, newer time")
        << QSize(320, 240) << 10 << bannerBox << 1.0 << 2 << blue;
    QTest::newRow("replaced, other size, same time") << QSize(160, 120) << 0 << bannerBox << 1.0 << 2 << blue;
    QTest::newRow("touched only") << QSize() << 10 << bannerBox << 1.0 << 2 << red;
    QTest::newRow("other box") << QSize() << 0 << QSize(88, 55) << 1.0 << 2 << red;
    QTest::newRow("other pixel ratio") << QSize() << 0 << bannerBox << 2.0 << 2 << red;
}

// BMP files of equal dimensions have equal byte sizes, so a replacement can keep the size exactly.
void TestPictureCache::decodesOnlyWhenNeeded()
{
    QFETCH(QSize, replacementSize);
    QFETCH(int, timeShift);
    QFETCH(QSize, secondBox);
    QFETCH(qreal, secondRatio);
    QFETCH(int, expectedDecodes);
    QFETCH(QColor, expectedColour);
    const QString name = QStringLiteral("9.jpg");
    save(filled(QSize(320, 240), Qt::red), name, "BMP");
    const QDateTime firstTime = QFileInfo(path(name)).lastModified();

    PictureCache cache;
    const auto first = load(cache, path(name), bannerBox);
    QVERIFY(first);
    if (replacementSize.isValid())
        save(filled(replacementSize, Qt::blue), name, "BMP");
    setModified(name, firstTime.addSecs(timeShift));
    const auto second = load(cache, path(name), secondBox, secondRatio);

    QVERIFY(second);
    QCOMPARE(cache.decodeCount(), expectedDecodes);
    QCOMPARE(centreColour(*second), expectedColour);
    QCOMPARE(second->size(), secondBox * secondRatio);
    if (expectedDecodes == 1)
        QCOMPARE(second->cacheKey(), first->cacheKey());
}

void TestPictureCache::laterRequestsWin_data()
{
    QTest::addColumn<QStringList>("kept");  // decoded before, one by one
    QTest::addColumn<QStringList>("asked"); // then asked for at once, as ticks that come faster than decodes
    QTest::addColumn<QList<QColor>>("expectedColours");
    QTest::addColumn<int>("expectedDecodes");

    const QColor red(Qt::red);
    const QColor blue(Qt::blue);
    QTest::newRow("decoded after a later, kept picture was given")
        << QStringList { "b.jpg" } << QStringList { "a.jpg", "b.jpg" } << QList<QColor> { blue } << 2;
    QTest::newRow("two decodes, given as they end")
        << QStringList() << QStringList { "a.jpg", "b.jpg" } << QList<QColor> { red, blue } << 2;
    QTest::newRow("the same file twice while it decodes")
        << QStringList() << QStringList { "a.jpg", "a.jpg" } << QList<QColor> { red } << 1;
    QTest::newRow("the same file asked again after another")
        << QStringList() << QStringList { "a.jpg", "b.jpg", "a.jpg" } << QList<QColor> { red } << 2;
    QTest::newRow("a non-picture asked last")
        << QStringList() << QStringList { "a.jpg", "junk.jpg" } << QList<QColor> { red } << 2;
}

// Ticks that ask faster than pictures decode: each file is decoded once at a time, and what is
// given never goes back from a later request to an earlier one.
void TestPictureCache::laterRequestsWin()
{
    QFETCH(QStringList, kept);
    QFETCH(QStringList, asked);
    QFETCH(QList<QColor>, expectedColours);
    QFETCH(int, expectedDecodes);
    save(filled(QSize(320, 240), Qt::red), QStringLiteral("a.jpg"), "BMP");
    save(filled(QSize(320, 240), Qt::blue), QStringLiteral("b.jpg"), "BMP");
    QFile junk(path(QStringLiteral("junk.jpg")));
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a picture") > 0);
    junk.close();
    if (asked.contains("junk.jpg"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("junk\\.jpg.*Unsupported image format"));

    PictureCache cache;
    for (const QString &name : kept)
        QVERIFY(load(cache, path(name), bannerBox));
    const Given given(cache);
    // No event is handled between the requests, so every decode ends after the last of them.
    for (const QString &name : asked)
        cache.request(path(name), bannerBox);
    QVERIFY(decodesEnded(cache));

    QCOMPARE(given.colours(), expectedColours);
    QCOMPARE(cache.decodeCount(), expectedDecodes);
}

// Whichever file the decode read, the old, the new or half of each, it is not shown and not
// reported; the next request decodes the new file.
void TestPictureCache::replacedWhileDecodingGivesNothing()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Cannot show the picture")));
    const QString name = QStringLiteral("6.jpg");
    save(filled(QSize(320, 240), Qt::red), name, "BMP");
    PictureCache cache;
    const Given given(cache);

    cache.request(path(name), bannerBox);
    save(filled(QSize(160, 120), Qt::blue), name, "BMP");
    QVERIFY(decodesEnded(cache));
    QVERIFY(given.pictures.isEmpty());
    cache.request(path(name), bannerBox);
    QVERIFY(decodesEnded(cache));

    QCOMPARE(given.colours(), QList<QColor> { QColor(Qt::blue) });
    QCOMPARE(cache.decodeCount(), 2);
}

QTEST_MAIN(TestPictureCache)
#include "tst_picturecache.moc"
