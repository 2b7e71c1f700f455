// SPDX-License-Identifier: MIT
#include "FileName.h"
#include "TextDecoder.h"

#include <QtTest>

// Quiz text for people: quiz lines decoded, and file names kept byte for byte.
class TestQuizText : public QObject
{
    Q_OBJECT

private slots:
    void decodesQuizText_data();
    void decodesQuizText();
    void fileNamesKeepTheirBytes_data();
    void fileNamesKeepTheirBytes();
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

QTEST_GUILESS_MAIN(TestQuizText)
#include "tst_quiztext.moc"
