// SPDX-License-Identifier: MIT
#include "Main.h"
#include "PictureCache.h"
#include "ScratchSettings.h"
#include "TestSeams.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <set>

// The picture banner as the window runs it: the handlers are called directly, not by waiting for
// the timers; the pictures they ask for are decoded on another thread, and shown once ready.
class TestBanner : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void designPictures();
    void stepsAcrossAndStartsAgain();
    void boxNeverChanges_data();
    void boxNeverChanges();
    void drawsEveryPicture();
    void missingPictureKeepsTheBanner();
    void replacedPictureIsShownAnew();
    void stoppedBannerKeepsItsPicture();
    void closingWhileDecodingIsSafe();

private:
    void writePictures(QSize size, const QColor &colour,
                       const QList<int> &numbers = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 });
    QLabel *scrollpic() const { return window->findChild<QLabel *>("Scrollpic"); }
    QColor shownColour() const { return scrollpic()->pixmap().toImage().pixelColor(10, 10); }
    // Lets every picture asked for be decoded and shown.
    bool decodesEnded() const
    {
        const auto *cache = window->findChild<PictureCache *>();
        return cache && QTest::qWaitFor([cache] { return !cache->isDecoding(); });
    }

    ScratchSettings settings;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Main> window;
    QString previousDir;
};

void TestBanner::init()
{
    TestSeams::reset();
    dir = std::make_unique<QTemporaryDir>();
    previousDir = QDir::currentPath();
    QDir::setCurrent(dir->path());
    window = std::make_unique<Main>();
    window->reseedBannerForTesting(2026);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestBanner::cleanup()
{
    window.reset();
    QDir::setCurrent(previousDir);
}

void TestBanner::writePictures(QSize size, const QColor &colour, const QList<int> &numbers)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    for (int number : numbers)
        QVERIFY(image.save(dir->filePath(Main::pictureFileName(number)), "JPG"));
}

void TestBanner::designPictures()
{
    QCOMPARE(scrollpic()->geometry(), QRect(0, 0, 176, 111));
    QVERIFY(!scrollpic()->pixmap().isNull());
    const QPixmap still = window->findChild<QLabel *>("Image1")->pixmap();
    QCOMPARE(still.size(), QSize(200, 75));
    QVERIFY(still.hasAlphaChannel());
    QCOMPARE(still.toImage().pixelColor(0, 0).alpha(), 0);
}

void TestBanner::stepsAcrossAndStartsAgain()
{
    QList<int> lefts;
    for (int tick = 1; tick <= 21; ++tick) {
        window->Timer1_Timer();
        lefts << scrollpic()->x();
        QCOMPARE(scrollpic()->y(), 0);
    }

    QCOMPARE(lefts.first(), 33); // 500 twips
    QCOMPARE(lefts[18], 633);    // 9500 twips
    QCOMPARE(lefts[19], 667);    // 10000 twips: wholly outside the window
    QCOMPARE(window->ScrollX(), 500);
    QCOMPARE(lefts[20], 33);
    for (int tick = 0; tick < 20; ++tick)
        QCOMPARE(lefts[tick], qRound((tick + 1) * 500 / 15.0));
}

void TestBanner::boxNeverChanges_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::newRow("320 by 240") << QSize(320, 240);
    QTest::newRow("640 by 480") << QSize(640, 480);
    QTest::newRow("tiny") << QSize(7, 3);
}

void TestBanner::boxNeverChanges()
{
    QFETCH(QSize, pictureSize);
    writePictures(pictureSize, Qt::red);

    for (int tick = 0; tick < 5; ++tick) {
        window->Timer2_Timer();
        window->Timer1_Timer();
    }
    QVERIFY(decodesEnded());

    QCOMPARE(scrollpic()->size(), QSize(176, 111));
    QCOMPARE(scrollpic()->y(), 0);
    QCOMPARE(scrollpic()->pixmap().deviceIndependentSize().toSize(), QSize(176, 111));
    QVERIFY(qAbs(shownColour().red() - 255) < 8);
}

void TestBanner::drawsEveryPicture()
{
    writePictures(QSize(32, 24), Qt::blue);
    std::set<int> drawn;

    for (int tick = 0; tick < 200; ++tick) {
        window->Timer2_Timer();
        QVERIFY(window->PictureNumber() >= 1 && window->PictureNumber() <= 10);
        drawn.insert(window->PictureNumber());
    }

    QCOMPARE(drawn.size(), 10u);
}

void TestBanner::missingPictureKeepsTheBanner()
{
    writePictures(QSize(32, 24), Qt::green, { 1, 2, 3, 4, 5 });
    // Each missing picture is reported once, not at every tick.
    for (int number = 6; number <= 10; ++number)
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression("^Cannot show the picture \"" + QString::number(number) + "\\.jpg\""));
    QTest::failOnWarning(QRegularExpression("Cannot show the picture"));
    int missingDraws = 0;

    for (int tick = 0; tick < 100; ++tick) {
        window->Timer2_Timer();
        QVERIFY(decodesEnded());
        missingDraws += window->PictureNumber() > 5;
        QVERIFY(qAbs(shownColour().green() - 255) < 8 || tick == 0);
    }

    QVERIFY(missingDraws > 10);
    QVERIFY(window->findChild<QTimer *>("Timer1")->isActive());
    QVERIFY(window->findChild<QTimer *>("Timer2")->isActive());
}

void TestBanner::replacedPictureIsShownAnew()
{
    writePictures(QSize(32, 24), Qt::red);
    window->Timer2_Timer();
    QVERIFY(decodesEnded());
    QVERIFY(shownColour().red() > 240);

    QTest::qWait(10); // a later modification time, whatever the file system's resolution
    writePictures(QSize(48, 36), Qt::blue);
    window->Timer2_Timer();
    QVERIFY(decodesEnded());

    QVERIFY(shownColour().blue() > 240);
}

// With the banner stopped between the request and the decode's end, the banner keeps the picture
// it has.
void TestBanner::stoppedBannerKeepsItsPicture()
{
    writePictures(QSize(640, 480), Qt::red);
    const qint64 shown = scrollpic()->pixmap().cacheKey();

    window->Timer2_Timer();
    window->findChild<QTimer *>("Timer1")->stop();
    window->findChild<QTimer *>("Timer2")->stop();
    QVERIFY(decodesEnded());

    QCOMPARE(scrollpic()->pixmap().cacheKey(), shown);
}

// A large picture still decoding when the window goes: its result is dropped, nothing is touched
// that is gone (the sanitizer build checks the memory).
void TestBanner::closingWhileDecodingIsSafe()
{
    writePictures(QSize(3000, 2000), Qt::red);
    auto *cache = window->findChild<PictureCache *>();
    QVERIFY(cache);
    QSignalSpy given(cache, &PictureCache::pictureReady);
    QSignalSpy gone(cache, &QObject::destroyed);
    window->Timer2_Timer();
    QVERIFY(cache->isDecoding());

    window->close();
    window.reset();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    QCOMPARE(gone.count(), 1);
    QCOMPARE(given.count(), 0);
}

QTEST_MAIN(TestBanner)
#include "tst_banner.moc"
