// SPDX-License-Identifier: MIT
// Prints what one banner picture change costs: the median cost of one tick of the window's picture
// timer (Main::Timer2_Timer, with the pictures already seen once), the first (uncached, scaled)
// decode, off the window's thread, from the request to the picture given, and decoding the whole
// file then scaling it, for a small picture and a large photograph-like JPEG. Targets: under 1 ms a tick, and
// at least 50 times faster than decoding and scaling the whole file for the large picture.
#include "Main.h"
#include "Photograph.h"
#include "PictureCache.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QSize bannerBox(176, 111);
constexpr int pictureCount = 10;

// One picture change as the window's timer makes it, called once the working directory holds the
// ten pictures.
using Tick = std::function<void()>;

// Handles the events of this thread until the cache has no decode under way.
void waitForDecodes(const PictureCache &cache)
{
    while (cache.isDecoding())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Ticks of the window's picture timer; warmUp more ticks first, each waiting for its picture.
Tick makeWindowTick(int warmUp)
{
    auto window = std::make_shared<Main>();
    window->reseedBannerForTesting(20240601);
    const auto *cache = window->findChild<PictureCache *>();
    for (int tick = 0; tick < warmUp; ++tick) {
        window->Timer2_Timer();
        waitForDecodes(*cache);
    }
    return [window] { window->Timer2_Timer(); };
}

double medianMs(const std::function<void()> &action, int runs)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        action();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

// The ten banner names all point at one picture, so every draw finds a file.
void writePictures(const QImage &image, const QDir &dir)
{
    const QString first = dir.filePath(QStringLiteral("1.jpg"));
    if (!image.save(first, "JPEG", 90))
        qFatal("cannot write %s", qPrintable(first));
    for (int number = 2; number <= pictureCount; ++number)
        QFile::link(first, dir.filePath(QString::number(number) + QStringLiteral(".jpg")));
}

struct Figures
{
    double tickMs;
    double naiveMs;
};

Figures measure(QSize pictureSize, int decodeRuns, const QDir &dir)
{
    writePictures(photographLike(pictureSize), dir);
    QDir::setCurrent(dir.path());
    const QString file = QStringLiteral("1.jpg");

    const double firstDecode = medianMs(
        [&] {
            PictureCache fresh;
            bool given = false;
            QObject::connect(&fresh, &PictureCache::pictureReady, [&given] { given = true; });
            fresh.request(file, bannerBox);
            waitForDecodes(fresh);
            if (!given)
                qFatal("the scaled decode failed");
        },
        decodeRuns);
    // The way without the cache: decode the whole file, then scale it to the box.
    const double naive = medianMs(
        [&] {
            if (QImage(file).scaled(bannerBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).isNull())
                qFatal("the whole-file decode failed");
        },
        decodeRuns);

    // Enough ticks that each of the ten numbers has been drawn, so the figure is the steady state.
    const Tick tick = makeWindowTick(200);
    const double tickMs = medianMs(tick, 2001);

    std::printf("%dx%d (%.2f MB): tick median %.4f ms, first scaled decode %.2f ms, "
                "naive decode+scale %.2f ms, ratio %.0fx\n",
                pictureSize.width(), pictureSize.height(), static_cast<double>(QFileInfo(file).size()) / 1e6,
                tickMs, firstDecode, naive, naive / tickMs);
    std::fflush(stdout);
    return { tickMs, naive };
}

const char *verdict(bool met)
{
    return met ? "met" : "NOT MET";
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir smallDir;
    QTemporaryDir largeDir;
    if (!smallDir.isValid() || !largeDir.isValid())
        qFatal("cannot make a temporary folder");
    const QString previous = QDir::currentPath();
    const Figures small = measure(QSize(320, 240), 51, QDir(smallDir.path()));
    const Figures large = measure(QSize(6000, 4000), 5, QDir(largeDir.path()));
    QDir::setCurrent(previous);

    std::printf("targets: under 1 ms a tick for both sizes %s; 6000x4000 at least 50x faster than "
                "decode+scale %s\n",
                verdict(small.tickMs < 1 && large.tickMs < 1), verdict(large.naiveMs / large.tickMs >= 50));
    return 0;
}
