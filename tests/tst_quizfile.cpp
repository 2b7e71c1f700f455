// SPDX-License-Identifier: MIT
#include "QuizFile.h"
#include "QuizFileError.h"
#include "TestFiles.h"

#include <QtTest>

#include <sys/stat.h>

class TestQuizFile : public QObject
{
    Q_OBJECT

private slots:
    void readsLines_data();
    void readsLines();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void refusesFifoWithoutBlocking();
    void shippedQuizzesLoad_data();
    void shippedQuizzesLoad();
};

void TestQuizFile::readsLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("expected");

    const auto body = [](const std::string &eol) { return TempQuizDir::quizBytes(eol); };
    QByteArray noFinalEol = body("\r\n");
    noFinalEol.chop(2);
    QByteArray blanks = body("\r\n");
    blanks.replace("Q1 A\r\n", "  Q1 A \t\r\n").replace("Q1 B\r\n", "\r\n").replace("Bexal\r\n", "\r\n");

    QTest::newRow("crlf first") << body("\r\n") << 0 << QByteArray("Q1");
    QTest::newRow("crlf last") << body("\r\n") << 103 << QByteArray("Bexal");
    QTest::newRow("lf") << body("\n") << 99 << QByteArray("Q20 D");
    QTest::newRow("lone cr") << body("\r") << 102 << QByteArray("Oro");
    QTest::newRow("mixed ends") << QByteArray("one\rtwo\nthree\r\n") + body("\r\n") << 3 << QByteArray("Q1");
    QTest::newRow("no final terminator") << noFinalEol << 103 << QByteArray("Bexal");
    QTest::newRow("150 lines") << QByteArray::fromStdString(
        TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro,Bexal", 150))
                               << 103 << QByteArray("Bexal");
    QTest::newRow("byte-order mark dropped") << "\xEF\xBB\xBF" + body("\r\n") << 0 << QByteArray("Q1");
    QTest::newRow("partial mark kept") << "\xEF\xBB" + body("\r\n") << 0 << QByteArray("\xEF\xBBQ1");
    QTest::newRow("blanks kept") << blanks << 1 << QByteArray("  Q1 A \t");
    QTest::newRow("empty line") << blanks << 2 << QByteArray();
    QTest::newRow("empty name") << blanks << 103 << QByteArray();
    QTest::newRow("longest line") << QByteArray(QuizMaxLineLength, 'x') + "\r\n" + body("\r\n") << 0
                                  << QByteArray(QuizMaxLineLength, 'x');
    QTest::newRow("8-bit bytes verbatim") << "caf\xE9\r\n" + body("\r\n") << 0 << QByteArray("caf\xE9");
}

void TestQuizFile::readsLines()
{
    QFETCH(QByteArray, content);
    QFETCH(int, line);
    QFETCH(QByteArray, expected);
    TempQuizDir dir;
    const auto path = dir.write("quiz.qzt", content.toStdString());

    const QuizText text = LoadQuizLines(path);

    QCOMPARE(QByteArray::fromStdString(text[line]), expected);
}

void TestQuizFile::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("problem");

    QTest::newRow("103 lines") << QByteArray::fromStdString(
        TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro,Bexal", 103))
                               << "short.qzt"
                               << "it has only 103 lines, but a quiz needs 104";
    QTest::newRow("empty") << QByteArray() << "empty.qzt"
                           << "it has only 0 lines";
    QTest::newRow("one line") << QByteArray("just one\r\n") << "one.qzt"
                              << "it has only 1 line,";
    QTest::newRow("last line empty, no terminator")
        << TempQuizDir::quizBytes("\r\n", "Kest,Dorv,Oro,", 104).chopped(2) << "cut.qzt"
        << "only 103 lines";
    QTest::newRow("line too long") << QByteArray(QuizMaxLineLength + 1, 'x') << "big.qzt"
                                   << "line 1 is longer than 65536 bytes";
    QTest::newRow("utf-16 le") << "\xFF\xFE" + TempQuizDir::quizBytes() << "le.qzt"
                               << "it is saved as UTF-16, which a quiz file cannot be: save it as UTF-8";
    QTest::newRow("utf-16 be") << "\xFE\xFF" + TempQuizDir::quizBytes() << "be.qzt"
                               << "save it as UTF-8";
    QTest::newRow("missing") << QByteArray() << ""
                             << "the file does not exist";
    QTest::newRow("folder") << QByteArray() << "."
                            << "it is a folder";
}

void TestQuizFile::refusesBadFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, fileName);
    QFETCH(QString, problem);
    TempQuizDir dir;
    const auto path = fileName.isEmpty() ? dir.filePath("absent.qzt")
        : fileName == "."                ? dir.filePath("")
                                         : dir.write(fileName.toStdString(), content.toStdString());

    try {
        LoadQuizLines(path);
        QFAIL("no error");
    } catch (const QuizFileError &error) {
        const QString message = QString::fromStdString(error.what());
        QVERIFY2(message.contains(QString::fromStdString(path)), qPrintable(message));
        QVERIFY2(message.contains(problem), qPrintable(message));
    }
}

void TestQuizFile::refusesFifoWithoutBlocking()
{
    TempQuizDir dir;
    const auto fifo = dir.filePath("quiz.qzt");
    QCOMPARE(mkfifo(fifo.c_str(), 0600), 0);

    QVERIFY_THROWS_EXCEPTION(QuizFileError, LoadQuizLines(fifo));
    QVERIFY_THROWS_EXCEPTION(QuizFileError, LoadQuizLines("/dev/zero"));
}

void TestQuizFile::shippedQuizzesLoad_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("episode1") << "episode1.qzt" << QStringList { "Kest", "Dorv", "Oro", "Bexal" };
    QTest::newRow("episode2") << "episode2.QZT" << QStringList { "Oro", "Bexal", "Kest", "Dorv" };
}

void TestQuizFile::shippedQuizzesLoad()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, names);
    const QString path = QStringLiteral(MATCHMAKER_DATA_DIR "/") + fileName;

    const QuizText text = LoadQuizLines(path.toStdString());

    for (int k = 0; k < 4; ++k)
        QCOMPARE(QString::fromStdString(text[QuizNameLine + k]), names[k]);
    for (const auto &line : text)
        QVERIFY(!line.empty());
}

QTEST_GUILESS_MAIN(TestQuizFile)
#include "tst_quizfile.moc"
