// SPDX-License-Identifier: MIT
#include "FileName.h"
#include "TextDecoder.h"
#include "Utf8.h"

#include <QtTest>

// Quiz text for people: quiz lines decoded, file names kept byte for byte, names isolated.
class TestQuizText : public QObject
{
    Q_OBJECT

private slots:
    void decodesQuizText_data();
    void decodesQuizText();
    void fileNamesKeepTheirBytes_data();
    void fileNamesKeepTheirBytes();
    void namesStayInTheirIsolate_data();
    void namesStayInTheirIsolate();
};

void TestQuizText::decodesQuizText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("  Kest ") << "  Kest ";
    QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE2\x80\x94 ok") << QString::fromUtf8("café — ok");
    QTest::newRow("latin letter") << QByteArray("caf\xE9") << QString::fromUtf8("café");
    QTest::newRow("windows quotes") << QByteArray("\x93hi\x94 \x80") << QString::fromUtf8("“hi” €");
    QTest::newRow("unused place") << QByteArray("a\x81") << QString("a") + QChar(0x81);
    QTest::newRow("broken utf-8") << QByteArray("\xC3(") << QString::fromUtf8("Ã(");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("leading U+FEFF") << QByteArray("\xEF\xBB\xBFKest") << QChar(0xFEFF) + QString("Kest");
}

void TestQuizText::decodesQuizText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextDecoder::decode(bytes.toStdString()), text);
}

void TestQuizText::fileNamesKeepTheirBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << QByteArray("quiz.qzt") << "quiz.qzt";
    QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9.qzt") << QString::fromUtf8("café.qzt");
    QTest::newRow("latin-1") << QByteArray("caf\xE9.qzt") << "caf\\xe9.qzt";
    QTest::newRow("cut sequence") << QByteArray("\xE2\x82.qzt") << R"(\xe2\x82.qzt)";
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xB3\xA9") << R"(\xed\xb3\xa9)";
    QTest::newRow("beyond unicode") << QByteArray("\xF4\x90\x80\x80") << R"(\xf4\x90\x80\x80)";
    QTest::newRow("byte order marks")
        << QByteArray("\xEF\xBB\xBF\x01\xEF\xBB\xBF") << QString(QChar(0xFEFF)) + QChar(0x01) + QChar(0xFEFF);
    // U+10080 ends in the surrogate U+DC80, which must not be taken for an escaped byte.
    QTest::newRow("pair beside a byte")
        << QByteArray("\xF0\x90\x82\x80\x80") << QString::fromUtf8("\xF0\x90\x82\x80") + "\\x80";
}

// A name that is not UTF-8 comes back byte for byte, and is shown with those bytes escaped.
void TestQuizText::fileNamesKeepTheirBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString name = FileName::fromNative(bytes);
    QCOMPARE(FileName::toNative(name), bytes);
    QCOMPARE(FileName::shown(name), shown);
}

void TestQuizText::namesStayInTheirIsolate_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("shown");

    QTest::newRow("no direction control") << QByteArray("Kest") << QByteArray("Kest");
    QTest::newRow("override") << QByteArray("\u202EOro") << QByteArray("\u2068\u202EOro\u2069");
    QTest::newRow("paired isolate kept")
        << QByteArray("a\u2067b\u2069c") << QByteArray("\u2068a\u2067b\u2069c\u2069");
    QTest::newRow("starts with PDI") << QByteArray("\u2069\u202E20") << QByteArray("\u2068\u202E20\u2069");
    QTest::newRow("isolate left open")
        << QByteArray("\u2069\u2067x") << QByteArray("\u2068\u2067x\u2069\u2069");
    QTest::newRow("paragraph separator")
        << QByteArray("\u2029\u202Ex") << QByteArray("\u2068\u2028\u202Ex\u2069");
    QTest::newRow("not UTF-8") << QByteArray("\u2069\xFF") << QByteArray("\u2069\xFF");
}

// Nothing in a name can end the isolate it is quoted in, so that it cannot reverse the rest of the
// sentence: the results, the vote and tie lines, the checker's findings.
void TestQuizText::namesStayInTheirIsolate()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, shown);
    QCOMPARE(QByteArray::fromStdString(Utf8::isolatedIfBidi(name.toStdString())), shown);
}

QTEST_GUILESS_MAIN(TestQuizText)
#include "tst_quiztext.moc"
