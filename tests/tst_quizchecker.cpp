// SPDX-License-Identifier: MIT
#include "QuizChecker.h"
#include "QuizDocument.h"
#include "QuizFile.h"
#include "QuizFileError.h"
#include "TestFiles.h"

#include <QtTest>

// The checker and the editor's document: what they make of a file's bytes.
class TestQuizChecker : public QObject
{
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void startOfALargeFile_data();
    void startOfALargeFile();
    void shippedQuizzesAreClean_data();
    void shippedQuizzesAreClean();
    void editedDocumentReadsBack_data();
    void editedDocumentReadsBack();
    void loadReadsUpToTheLimit_data();
    void loadReadsUpToTheLimit();
    void readErrorsAreErrors_data();
    void readErrorsAreErrors();
};

namespace {

QByteArray body(const std::string &names = "Kest,Dorv,Oro,Bexal", int lineCount = 104)
{
    return TempQuizDir::quizBytes("\r\n", names, lineCount);
}

const auto withLine = TempQuizDir::quizWithLine;

QStringList described(const std::vector<QuizFinding> &findings)
{
    QStringList lines;
    for (const QuizFinding &finding : findings) {
        const char *severity = finding.severity == QuizFinding::Severity::Error ? "error" : "warning";
        lines << QStringLiteral("%1 %2: %3")
                     .arg(finding.line)
                     .arg(severity, QString::fromStdString(finding.message.english()));
    }
    return lines;
}

} // namespace

void TestQuizChecker::findings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    const QString needs = " (a quiz needs 104: twenty questions of five lines each, then the four names)";
    QTest::newRow("clean") << body() << QStringList();
    QTest::newRow("blank lines after 104") << body() + "\r\n  \r\n" << QStringList();
    QTest::newRow("text after 104") << body("Kest,Dorv,Oro,Bexal", 107)
                                    << QStringList { "105 warning: the 3 lines after line 104 are ignored" };
    QTest::newRow("one line after 104")
        << body() + "extra" << QStringList { "105 warning: the line after line 104 is ignored" };
    QTest::newRow("empty question") << withLine(31, "") << QStringList { "31 warning: question 7 is empty" };
    QTest::newRow("blank answer") << withLine(34, " \t ")
                                  << QStringList { "34 warning: question 7, answer C is empty" };
    QTest::newRow("empty name") << body("Kest,Dorv,Oro,")
                                << QStringList { "104 warning: the name for answer D is empty" };
    QTest::newRow("same names") << body("Kest,Dorv,Kest,Bexal")
                                << QStringList {
                                       "103 warning: lines 101 and 103 hold the same name \"Kest\", "
                                       "so answers A and C vote for one cast member"
                                   };
    QTest::newRow("names without clips")
        << body("Kest,kest,Oro,Zed")
        << QStringList {
               "102 warning: no sound clip belongs to the names \"kest\", \"Zed\", so their results "
               "play no sound (only Kest, Dorv, Oro, Bexal have clips)"
           };
    QTest::newRow("not utf-8") << withLine(40, "caf\xE9")
                               << QStringList { "40 warning: this line is not valid UTF-8, so it is shown as "
                                                "Windows-1252, as is every other such line" };
    QTest::newRow("valid utf-8") << withLine(40, "caf\xC3\xA9") << QStringList();
    QTest::newRow("line too long") << withLine(87, QByteArray(QuizMaxLineLength + 1, 'x'))
                                   << QStringList { "87 error: line 87 is longer than 65536 bytes" };
    QTest::newRow("97 lines") << body("", 96) + "\r\n"
                              << QStringList { "97 error: the file ends after line 97, in the block of "
                                               "question 20: 7 lines are missing"
                                                   + needs,
                                               "97 warning: question 20, answer A is empty" };
    QTest::newRow("102 lines") << body("Kest,Dorv", 102)
                               << QStringList {
                                      "102 error: the file ends after line 102, before the last 2 names: "
                                      "2 lines are missing"
                                      + needs
                                  };
    QTest::newRow("103 lines") << body("Kest,Dorv,Oro", 103)
                               << QStringList {
                                      "103 error: the file ends after line 103, before the last name: "
                                      "1 line is missing"
                                      + needs
                                  };
    QTest::newRow("empty") << QByteArray()
                           << QStringList { "0 error: the file is empty, but a quiz needs 104 lines: twenty "
                                            "questions of five lines each, then the four names" };
    QTest::newRow("utf-16") << "\xFF\xFE" + body()
                            << QStringList {
                                   "0 error: it is saved as UTF-16, which a quiz file cannot be: save it "
                                   "as UTF-8 and try again."
                               };
}

// Every row also holds the checker to the loader: an error exactly when the loader refuses.
void TestQuizChecker::findings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    TempQuizDir dir;
    const auto path = dir.write("quiz.qzt", bytes.toStdString());

    const auto findings = QuizChecker::checkFile(path);

    QCOMPARE(described(findings), expected);
    QCOMPARE(QuizChecker::checkBytes(bytes.toStdString()), findings);
    bool refused = false;
    try {
        LoadQuizLines(path);
    } catch (const QuizFileError &) {
        refused = true;
    }
    QCOMPARE(QuizChecker::hasError(findings), refused);
}

void TestQuizChecker::startOfALargeFile_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<qint64>("totalSize");
    QTest::addColumn<QStringList>("expected");

    const qint64 twoGiB = qint64 { 2 } * 1024 * 1024 * 1024;
    const QByteArray tooLong
        = TempQuizDir::quizBytes("\r\n", "Kest,Dorv,Oro,Bexal", 4) + QByteArray(70000, 'x');
    QTest::newRow("whole file") << body() + "extra" << qint64(body().size() + 5)
                                << QStringList { "105 warning: the line after line 104 is ignored" };
    QTest::newRow("text after 104 beyond the first bytes")
        << body() + "extra" << twoGiB
        << QStringList { QStringLiteral("105 warning: the %1 bytes after line 104 are ignored")
                             .arg(twoGiB - body().size()) };
    QTest::newRow("line too long to end in the first bytes")
        << tooLong << twoGiB << QStringList { "5 error: line 5 is longer than 65536 bytes" };
}

// The checker needs only the first bytes of a file and its size; of a sparse file it reads no
// more than it looks at.
void TestQuizChecker::startOfALargeFile()
{
    QFETCH(QByteArray, start);
    QFETCH(qint64, totalSize);
    QFETCH(QStringList, expected);
    TempQuizDir dir;
    QFile file(QString::fromStdString(dir.write("quiz.qzt", start.toStdString())));
    QVERIFY(file.resize(totalSize));

    QCOMPARE(described(QuizChecker::checkStart(start.toStdString(), std::uint64_t(totalSize))), expected);
    QCOMPARE(described(QuizChecker::checkFile(file.fileName().toStdString())), expected);
}

void TestQuizChecker::shippedQuizzesAreClean_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("episode1") << "episode1.qzt";
    QTest::newRow("episode2") << "episode2.QZT";
    QTest::newRow("missing") << "absent.qzt";
}

void TestQuizChecker::shippedQuizzesAreClean()
{
    QFETCH(QString, fileName);
    const auto findings
        = QuizChecker::checkFile((QStringLiteral(MATCHMAKER_DATA_DIR "/") + fileName).toStdString());
    if (fileName == "absent.qzt")
        QCOMPARE(described(findings), QStringList { "0 error: the file does not exist." });
    else
        QCOMPARE(described(findings), QStringList());
}

// Edits a line of a document read from the bytes, and reads what it writes back.
void TestQuizChecker::editedDocumentReadsBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written");

    const QByteArray lf = TempQuizDir::quizBytes("\n");
    const QByteArray cr = TempQuizDir::quizBytes("\r");
    QByteArray noFinalEnd = cr;
    noFinalEnd.chop(1);
    QTest::newRow("lf kept") << lf << 2 << QByteArray("new") << QByteArray(lf).replace("Q1 A\n", "new\n");
    QTest::newRow("empty after lone cr") << cr << 2 << QByteArray() << QByteArray(cr).replace("Q1 A\r", "\r");
    QTest::newRow("line break becomes space")
        << lf << 1 << QByteArray("a\r\nb") << QByteArray(lf).replace("Q1\n", "a  b\n");
    QTest::newRow("empty last line gets an end")
        << noFinalEnd << 104 << QByteArray() << QByteArray(noFinalEnd).replace("Bexal", "\r");
    QTest::newRow("mark-like first line")
        << lf << 1 << QByteArray("\xEF\xBB\xBFQ")
        << "\xEF\xBB\xBF" + QByteArray(lf).replace("Q1\n", "\xEF\xBB\xBFQ\n");
    QTest::newRow("utf-16-like first line") << lf << 1 << QByteArray("\xFF\xFEQ")
                                            << "\xEF\xBB\xBF" + QByteArray(lf).replace("Q1\n", "\xFF\xFEQ\n");
}

void TestQuizChecker::editedDocumentReadsBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    auto document = QuizDocument::fromBytes(bytes.toStdString(), "quiz.qzt");
    QCOMPARE(QByteArray::fromStdString(document.bytes()), bytes);
    QVERIFY(!document.isModified());

    document.setLine(line - 1, text.toStdString());

    QVERIFY(document.isModified());
    QCOMPARE(QByteArray::fromStdString(document.bytes()), written);
    QCOMPARE(QuizDocument::fromBytes(document.bytes(), "quiz.qzt").lines(), document.lines());
}

// The editor reads a file in pieces up to its limit: a file of several pieces comes back whole,
// and one byte over the limit is refused.
void TestQuizChecker::loadReadsUpToTheLimit_data()
{
    QTest::addColumn<qint64>("size"); // the quiz, a line of spaces, then zero bytes up to this size
    QTest::addColumn<bool>("loads");

    QTest::newRow("several pieces") << qint64 { 300 } * 1024 << true;
    QTest::newRow("one byte over the limit") << static_cast<qint64>(QuizDocument::MaxFileSize + 1) << false;
}

void TestQuizChecker::loadReadsUpToTheLimit()
{
    QFETCH(qint64, size);
    QFETCH(bool, loads);
    const TempQuizDir dir;
    QFile file(QString::fromStdString(dir.write("big.qzt", TempQuizDir::quizBody())));
    QVERIFY(file.open(QIODevice::Append));
    // Past the quiz, the file is sparse: nothing is written for the bytes the resize adds.
    QVERIFY(file.write(QByteArray(1024, ' ')) == 1024 && file.resize(size));
    file.close();

    try {
        const QuizDocument document = QuizDocument::load(file.fileName().toStdString());
        QVERIFY(loads);
        QCOMPARE(static_cast<qint64>(document.bytes().size()), size);
    } catch (const QuizFileError &error) {
        QVERIFY2(!loads, error.what());
        QVERIFY(std::string(error.what()).find("too large for the quiz editor") != std::string::npos);
    }
}

// A file that opens but fails when read (the standard library throws from inside its buffer) is
// refused by every reader with the system's reason, never with an exception of the library's.
void TestQuizChecker::readErrorsAreErrors_data()
{
    QTest::addColumn<QString>("reader");
    for (const char *reader : { "loader", "checker", "editor" })
        QTest::newRow(reader) << reader;
}

void TestQuizChecker::readErrorsAreErrors()
{
    QFETCH(QString, reader);
    const std::filesystem::path memory = "/proc/self/mem";
    const std::string expected = "the file cannot be read (Input/output error).";

    if (reader == "checker") {
        QCOMPARE(described(QuizChecker::checkFile(memory)),
                 QStringList { "0 error: " + QString::fromStdString(expected) });
        return;
    }
    try {
        if (reader == "loader")
            LoadQuizLines(memory);
        else
            QuizDocument::load(memory);
        QFAIL("no error");
    } catch (const QuizFileError &error) {
        QCOMPARE(error.path(), memory);
        QCOMPARE(error.problem().english(), expected);
    }
}

QTEST_GUILESS_MAIN(TestQuizChecker)
#include "tst_quizchecker.moc"
