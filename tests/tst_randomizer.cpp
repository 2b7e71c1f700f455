// SPDX-License-Identifier: MIT
#include "Randomizer.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int pictureCount = 10;
// Chi-square values that a uniform source exceeds with probability 0.001.
constexpr double chiSquareLimit9 = 27.877;  // 9 degrees of freedom: the ten numbers
constexpr double chiSquareLimit99 = 148.23; // 99 degrees of freedom: pairs of successive numbers

template<std::size_t N>
double chiSquare(const std::array<int, N> &counts, double expected)
{
    double sum = 0;
    for (const int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

QList<float> draws(Randomizer &generator, int count)
{
    QList<float> values;
    for (int i = 0; i < count; ++i)
        values.append(generator.Rnd());
    return values;
}

} // namespace

class TestRandomizer : public QObject
{
    Q_OBJECT

private slots:
    void unitFromBitsStaysBelowOne_data();
    void unitFromBitsStaysBelowOne();
    void pictureNumberStaysInRange_data();
    void pictureNumberStaysInRange();
    void everyPossibleDrawGivesItsExactNumber();
    void drawsStayUniformWhenReseeded_data();
    void drawsStayUniformWhenReseeded();
    void seedsDecideTheSequence_data();
    void seedsDecideTheSequence();
    void clockSeedsDiffer();
};

void TestRandomizer::unitFromBitsStaysBelowOne_data()
{
    QTest::addColumn<quint64>("bits");
    QTest::addColumn<float>("expected");

    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    QTest::newRow("zero") << quint64(0) << 0.0f;
    QTest::newRow("all ones") << ~quint64(0) << largestBelowOne;
    QTest::newRow("top bit") << (quint64(1) << 63) << 0.5f;
    QTest::newRow("lowest bit kept") << (quint64(1) << 40) << 0x1.0p-24f;
}

void TestRandomizer::unitFromBitsStaysBelowOne()
{
    QFETCH(quint64, bits);
    QFETCH(float, expected);
    const float r = Randomizer::unitFromBits(bits);
    QCOMPARE(r, expected);
    QVERIFY(r >= 0.0f && r < 1.0f);
}

void TestRandomizer::pictureNumberStaysInRange_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");

    // 0.9f is a little below 0.9; single-precision arithmetic would round r * 10 + 1 up to 10.
    QTest::newRow("0.9") << 0.9f << 9;
    // Values Rnd() never returns still give a picture number.
    QTest::newRow("one") << 1.0f << 10;
    QTest::newRow("above one") << 7.5f << 10;
    QTest::newRow("negative") << -0.5f << 1;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 1;
}

void TestRandomizer::pictureNumberStaysInRange()
{
    QFETCH(float, r);
    QFETCH(int, expected);
    QCOMPARE(Randomizer::pictureNumber(r), expected);
}

// Rnd() returns k / 2^24 for k = 0 .. 2^24 - 1; for each the number must be floor(10k / 2^24) + 1
// exactly, which integers compute without rounding. So every number is drawn equally often.
void TestRandomizer::everyPossibleDrawGivesItsExactNumber()
{
    constexpr std::uint64_t draws = std::uint64_t(1) << 24;
    for (std::uint64_t k = 0; k < draws; ++k) {
        const int number = Randomizer::pictureNumber(Randomizer::unitFromBits(k << 40));
        const int exact = static_cast<int>((k * pictureCount) >> 24) + 1;
        if (number != exact)
            QFAIL(qPrintable(QStringLiteral("draw %1: %2, not %3").arg(k).arg(number).arg(exact)));
    }
}

void TestRandomizer::drawsStayUniformWhenReseeded_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<bool>("reseed");
    QTest::addColumn<double>("reseedWith");

    QTest::newRow("seed 1, re-seeded with 10") << quint64(1) << true << 10.0;
    QTest::newRow("seed 0, re-seeded with 10") << quint64(0) << true << 10.0;
    QTest::newRow("seed all ones, re-seeded with 10") << ~quint64(0) << true << 10.0;
    QTest::newRow("seed 42, re-seeded with 0") << quint64(42) << true << 0.0;
    QTest::newRow("seed 42, re-seeded with -1.5") << quint64(42) << true << -1.5;
    QTest::newRow("seed 7, never re-seeded") << quint64(7) << false << 0.0;
}

// What the banner does at each tick: re-seed, draw, pick a picture. Each number must come up about
// equally often, and so must each pair of successive numbers (a generator stuck in a short cycle
// can have even counts but not even pairs).
void TestRandomizer::drawsStayUniformWhenReseeded()
{
    QFETCH(quint64, seed);
    QFETCH(bool, reseed);
    QFETCH(double, reseedWith);
    constexpr int ticks = 20000;

    Randomizer generator(seed);
    std::array<int, pictureCount> counts {};
    std::array<int, std::size_t { pictureCount } * pictureCount> pairs {};
    int previous = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        if (reseed)
            generator.Randomize(reseedWith);
        const float r = generator.Rnd();
        QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(r)));
        const int number = Randomizer::pictureNumber(r);
        ++counts[number - 1];
        if (tick > 0)
            ++pairs[(previous - 1) * pictureCount + number - 1];
        previous = number;
    }

    for (int number = 1; number <= pictureCount; ++number)
        QVERIFY2(counts[number - 1] > 0, qPrintable(QStringLiteral("%1 never drawn").arg(number)));
    const double numbers = chiSquare(counts, double(ticks) / pictureCount);
    QVERIFY2(numbers < chiSquareLimit9, qPrintable(QStringLiteral("chi-square %1").arg(numbers)));
    const double successive = chiSquare(pairs, double(ticks - 1) / (pictureCount * pictureCount));
    QVERIFY2(successive < chiSquareLimit99,
             qPrintable(QStringLiteral("pairs chi-square %1").arg(successive)));
}

void TestRandomizer::seedsDecideTheSequence_data()
{
    QTest::addColumn<quint64>("seedA");
    QTest::addColumn<QList<double>>("reseedsA");
    QTest::addColumn<quint64>("seedB");
    QTest::addColumn<QList<double>>("reseedsB");
    QTest::addColumn<bool>("same");

    const QList<double> none;
    QTest::newRow("same seed") << quint64(1) << none << quint64(1) << none << true;
    QTest::newRow("different seeds") << quint64(1) << none << quint64(2) << none << false;
    QTest::newRow("same re-seeds") << quint64(3) << QList { 10.0, 10.0 } << quint64(3) << QList { 10.0, 10.0 }
                                   << true;
    QTest::newRow("re-seeding changes the sequence")
        << quint64(3) << none << quint64(3) << QList { 10.0 } << false;
    QTest::newRow("re-seeding with 0 changes it too")
        << quint64(3) << none << quint64(3) << QList { 0.0 } << false;
    QTest::newRow("different re-seeds")
        << quint64(3) << QList { 10.0 } << quint64(3) << QList { 11.0 } << false;
    QTest::newRow("re-seeding twice is not once")
        << quint64(3) << QList { 10.0 } << quint64(3) << QList { 10.0, 10.0 } << false;
}

void TestRandomizer::seedsDecideTheSequence()
{
    QFETCH(quint64, seedA);
    QFETCH(QList<double>, reseedsA);
    QFETCH(quint64, seedB);
    QFETCH(QList<double>, reseedsB);
    QFETCH(bool, same);

    Randomizer a(seedA);
    for (const double n : reseedsA)
        a.Randomize(n);
    Randomizer b(seedB);
    for (const double n : reseedsB)
        b.Randomize(n);
    QCOMPARE(draws(a, 8) == draws(b, 8), same);
}

void TestRandomizer::clockSeedsDiffer()
{
    Randomizer first = Randomizer::fromClock();
    QTest::qSleep(20); // longer than the coarsest clock tick
    Randomizer second = Randomizer::fromClock();
    QVERIFY(draws(first, 8) != draws(second, 8));
}

QTEST_APPLESS_MAIN(TestRandomizer)
#include "tst_randomizer.moc"
