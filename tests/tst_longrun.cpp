// SPDX-License-Identifier: MIT
#include "Main.h"
#include "MessageBox.h"
#include "ScratchSettings.h"
#include "SoundPlayer.h"
#include "TestSeams.h"

#include <QFile>
#include <QtTest>

#include <unistd.h>

// A long session driven through the handlers directly: the banner's timers and the answer
// buttons run as they would over days of use, and memory must not grow.
class TestLongRun : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSeams::reset(); }
    void manyTicksAndAnswersKeepMemoryFlat();
};

namespace {

long residentKiB()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

constexpr bool underSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

} // namespace

void TestLongRun::manyTicksAndAnswersKeepMemoryFlat()
{
    QVERIFY(QDir::setCurrent(MATCHMAKER_DATA_DIR));
    int clips = 0;
    SoundPlayer::setRecorder([&](const QString &) { ++clips; });
    ScratchSettings settings;
    Main window;
    window.reseedBannerForTesting(7);
    QVERIFY(window.Form_Initialize());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    constexpr int Ticks = 100000;
    constexpr int Answers = 10000;
    constexpr int Passes = Answers / 20;
    for (int pass = 0; pass < Passes; ++pass)
        MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    long warmedUp = 0;
    for (int tick = 0; tick < Ticks; ++tick) {
        window.Timer1_Timer();
        window.Timer2_Timer();
        if (tick % (2 * Ticks / Answers) == 0) {
            window.Command2_Click();
            window.Command4_Click();
        }
        if (tick % 1000 == 0)
            QCoreApplication::processEvents();
        if (tick == Ticks / 10)
            warmedUp = residentKiB();
    }
    const long finished = residentKiB();

    QCOMPARE(MessageBox::shownCount(), Passes);
    QCOMPARE(clips, Passes);
    QCOMPARE(window.quiz().QuestionStart(), 5);
    QVERIFY(window.isVisible());
    std::printf("resident memory after warm-up %ld KiB, at the end %ld KiB\n", warmedUp, finished);
    if (underSanitizer())
        QSKIP("AddressSanitizer keeps freed memory in quarantine, so resident size says nothing here");
    QVERIFY2(finished - warmedUp < 2048, qPrintable(QString("grew by %1 KiB").arg(finished - warmedUp)));
}

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
