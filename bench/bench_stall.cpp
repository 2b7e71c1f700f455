// SPDX-License-Identifier: MIT
// Prints how long the window's thread goes without handling events while the real window runs:
// a probe thread posts an event to the window's thread every millisecond, the way a window
// manager pings a window to see whether it hangs, and the delay until each is handled is kept.
// Two runs of the program, each in a fresh process: one with ten large photographs as 1.jpg to
// 10.jpg (6000 by 4000 JPEGs made at run time, every other one progressive), one with the shipped
// pictures. Meanwhile answer A is clicked every 2 s, as a person taking the quiz would, so the
// runs include showing questions and loading the audio stack. For each it prints the longest delay, the 99th
// percentile and the median, and how often the banner showed another picture. Target: no delay over 16 ms,
// one frame at 60 Hz.
//
// Usage: bench_stall DATA_DIR [SECONDS]   (SECONDS of probing per run, 20 by default)
// The platform is whatever QT_QPA_PLATFORM says (offscreen when unset).
#include "FreshSettings.h"
#include "Main.h"
#include "Photograph.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int PictureCount = 10;
constexpr double FrameMs = 16;

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class Ping : public QEvent
{
public:
    static inline const auto Type = static_cast<QEvent::Type>(QEvent::registerEventType());
    explicit Ping(long long sentNs) : QEvent(Type), sentNs(sentNs) { }
    const long long sentNs;
};

// Lives in the window's thread: keeps the delay of each ping, and counts the banner's pictures.
class Answerer : public QObject
{
public:
    explicit Answerer(const QLabel *banner) : banner(banner) { delaysMs.reserve(100000); }

    std::vector<double> delaysMs;
    int pictureChanges = 0;

protected:
    void customEvent(QEvent *event) override
    {
        if (event->type() != Ping::Type)
            return;
        delaysMs.push_back(static_cast<double>(monotonicNs() - static_cast<Ping *>(event)->sentNs) / 1e6);
        const qint64 shown = banner->pixmap().cacheKey();
        pictureChanges += shown != lastShown;
        lastShown = shown;
    }

private:
    const QLabel *banner;
    qint64 lastShown = banner->pixmap().cacheKey();
};

// Posts a ping every millisecond, on the millisecond, until told to stop.
void probe(Answerer *answerer, const std::atomic<bool> *stop)
{
    long long next = monotonicNs();
    while (!stop->load()) {
        next += 1000000;
        const timespec until { static_cast<time_t>(next / 1000000000LL),
                               static_cast<long>(next % 1000000000LL) };
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr);
        QCoreApplication::postEvent(answerer, new Ping(monotonicNs()));
    }
}

// One run: the window as the program shows it, in the folder given, probed for the given time.
// Prints one line: pings, longest, 99th percentile and median delay in ms, picture changes.
int runWindow(int argc, char **argv, const QString &folder, int seconds)
{
    QApplication app(argc, argv);
    if (!QDir::setCurrent(folder))
        qFatal("cannot enter %s", qPrintable(folder));
    Main window;
    if (!window.Form_Initialize())
        return 1;
    window.showCentred();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);

    Answerer answerer(window.findChild<QLabel *>(QStringLiteral("Scrollpic")));
    std::atomic<bool> stop = false;
    std::thread prober(probe, &answerer, &stop);
    QTimer answering;
    answering.callOnTimeout(window.findChild<QPushButton *>(QStringLiteral("Command2")), &QPushButton::click);
    answering.start(2000);
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    QApplication::exec();
    stop = true;
    prober.join();

    std::vector<double> delays = std::move(answerer.delaysMs);
    std::sort(delays.begin(), delays.end());
    const auto at = [&](double share) {
        return delays[static_cast<std::size_t>(share * static_cast<double>(delays.size() - 1))];
    };
    std::printf("%zu %.2f %.2f %.3f %d\n", delays.size(), delays.back(), at(0.99), at(0.5),
                answerer.pictureChanges);
    return 0;
}

void writeJpeg(const QImage &image, bool progressive, const QString &fileName)
{
    QImageWriter writer(fileName, "JPEG");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        qFatal("cannot write %s", qPrintable(fileName));
}

// Ten 6000 by 4000 photographs beside the quiz: the odd numbers baseline, the even ones progressive.
void makeLargePhotographs(const QString &dataDir, const QString &folder)
{
    for (int number = 1; number <= PictureCount; ++number) {
        const QString name = QDir(folder).filePath(Main::pictureFileName(number));
        writeJpeg(photographLike(QSize(6000, 4000), 1000 + number), number % 2 == 0, name);
    }
    if (!QFile::copy(QDir(dataDir).filePath(QStringLiteral("episode1.qzt")),
                     QDir(folder).filePath(QStringLiteral("episode1.qzt"))))
        qFatal("cannot copy the quiz from %s", qPrintable(dataDir));
}

struct Figures
{
    long pings = 0;
    double longestMs = 0;
    double percentile99Ms = 0;
    double medianMs = 0;
    int pictureChanges = 0;
};

// Runs this program again for one run, so that each starts cold, and reads back its line.
Figures runInChild(const char *self, const QString &folder, int seconds)
{
    const std::string command
        = std::string("'") + self + "' --run '" + folder.toStdString() + "' " + std::to_string(seconds);
    FILE *child = popen(command.c_str(), "r");
    Figures figures;
    const int got = child ? std::fscanf(child, "%ld %lf %lf %lf %d", &figures.pings, &figures.longestMs,
                                        &figures.percentile99Ms, &figures.medianMs, &figures.pictureChanges)
                          : 0;
    if (!child || pclose(child) != 0 || got != 5) {
        std::fprintf(stderr, "the run in %s failed\n", qPrintable(folder));
        std::exit(2);
    }
    return figures;
}

void print(const char *label, const Figures &figures, int seconds)
{
    std::printf("%-38s longest %7.2f ms, 99th percentile %5.2f ms, median %.3f ms; %ld pings in %d s; "
                "the banner showed another picture %d times\n",
                label, figures.longestMs, figures.percentile99Ms, figures.medianMs, figures.pings, seconds,
                figures.pictureChanges);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    useFreshSettings();
    if (argc == 4 && std::string(argv[1]) == "--run")
        return runWindow(1, argv, QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DATA_DIR [SECONDS]\n", argv[0]);
        return 2;
    }
    const QString dataDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    QTemporaryDir large;
    if (!large.isValid())
        qFatal("cannot make a temporary folder");
    makeLargePhotographs(dataDir, large.path());

    const Figures photographs = runInChild(argv[0], large.path(), seconds);
    const Figures shipped = runInChild(argv[0], dataDir, seconds);
    std::printf("platform %s, the event loop pinged every millisecond\n",
                qgetenv("QT_QPA_PLATFORM").constData());
    print("ten 6000x4000 photographs (5 progr.):", photographs, seconds);
    print("shipped pictures (data/):", shipped, seconds);
    const bool met = photographs.longestMs <= FrameMs && shipped.longestMs <= FrameMs;
    std::printf("target: no delay over %.0f ms with either folder: %s\n", FrameMs, met ? "met" : "NOT MET");
    return 0;
}
