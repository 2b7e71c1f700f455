// SPDX-License-Identifier: MIT
#include "ExtraQZT.h"
#include "FakeQuizHost.h"
#include "QuizFileError.h"
#include "TestFiles.h"

#include <QtTest>

#include <filesystem>
#include <numeric>

class TestExtraQZT : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startShowsQuestionOne();
    void onePassCountsTwentyVotes();
    void winner_data();
    void winner();
    void okRestartsAtQuestionOne();
    void restartReloadsTheFile();
    void restartWithVanishedFileKeepsLines();
    void cancelClosesAndShowsNothingMore();
    void failedLoadChangesNothing_data();
    void failedLoadChangesNothing();
    void startQuizKeepsVotes();
    void newQuizStartsNewVote();
    void tallyStopsAtLargestCount();
    void goBack_data();
    void goBack();
    void resultDetails_data();
    void resultDetails();

private:
    void answer(int count, int choice = 0);
    void finishWithTallies(const QList<int> &tallies);
    QStringList boxes() const;

    std::unique_ptr<TempQuizDir> dir;
    std::unique_ptr<FakeQuizHost> host;
    std::unique_ptr<ExtraQZT> quiz;
    std::string quizPath;
};

void TestExtraQZT::init()
{
    dir = std::make_unique<TempQuizDir>();
    host = std::make_unique<FakeQuizHost>();
    quiz = std::make_unique<ExtraQZT>(*host);
    quizPath = dir->write("first.qzt", TempQuizDir::quizBody());
    quiz->StartQuiz(quizPath);
}

void TestExtraQZT::answer(int count, int choice)
{
    for (int i = 0; i < count; ++i)
        quiz->RecordAnswer(choice);
}

QStringList TestExtraQZT::boxes() const
{
    QStringList result;
    for (const auto &box : host->boxes)
        result << QString::fromStdString(box);
    return result;
}

void TestExtraQZT::startShowsQuestionOne()
{
    QCOMPARE(boxes(), (QStringList { "Q1", "Q1 A", "Q1 B", "Q1 C", "Q1 D" }));
    QCOMPARE(quiz->QuestionStart(), 5);
    QCOMPARE(quiz->Tallies(), (ExtraQZT::TallyCounts { 0, 0, 0, 0 }));
    QVERIFY(host->prompts.empty());
}

void TestExtraQZT::onePassCountsTwentyVotes()
{
    host->answerOk = false;
    answer(7, 0);
    answer(12, 2);
    QCOMPARE(boxes().first(), "Q20");
    QVERIFY(host->prompts.empty());

    answer(1, 3);

    QCOMPARE(host->prompts.size(), 1u);
    QCOMPARE(quiz->Tallies(), (ExtraQZT::TallyCounts { 7, 0, 12, 1 }));
    QCOMPARE(std::accumulate(quiz->Tallies().begin(), quiz->Tallies().end(), 0), 20);
}

void TestExtraQZT::winner_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<QList<int>>("tallies");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sound");

    const QString cast = "Kest,Dorv,Oro,Bexal";
    QTest::newRow("20 0 0 0") << cast << QList<int> { 20, 0, 0, 0 } << "Kest"
                              << "kestsound.wav";
    QTest::newRow("largest loses nothing") << cast << QList<int> { 0, 3, 8, 9 } << "Bexal"
                                           << "bexalsound.wav";
    QTest::newRow("6 5 4 5") << cast << QList<int> { 6, 5, 4, 5 } << "Kest"
                             << "kestsound.wav";
    QTest::newRow("tie goes to later") << cast << QList<int> { 10, 10, 0, 0 } << "Dorv"
                                       << "dorvsound.wav";
    QTest::newRow("all equal") << cast << QList<int> { 5, 5, 5, 5 } << "Bexal"
                               << "bexalsound.wav";
    QTest::newRow("oro") << cast << QList<int> { 1, 2, 15, 2 } << "Oro"
                         << "orosound.wav";
    QTest::newRow("largest counts") << cast << QList<int> { 32767, 1, 2, 4 } << "Kest"
                                    << "kestsound.wav";
    QTest::newRow("case matters") << "Kest,dorv,Oro,Bexal" << QList<int> { 0, 20, 0, 0 } << "dorv"
                                  << "";
    QTest::newRow("other name") << "Kest,Ferrow,Oro,Bexal" << QList<int> { 0, 20, 0, 0 } << "Ferrow"
                                << "";
    QTest::newRow("empty winner") << "Kest,Dorv,Oro," << QList<int> { 0, 3, 8, 9 } << "all the guys"
                                  << "main.wav";
    QTest::newRow("right-to-left override isolated")
        << QString::fromUtf8("Kest,Dorv,Oro,\u202E\u05D0 Bexal") << QList<int> { 0, 0, 0, 20 }
        << QString::fromUtf8("\u2068\u202E\u05D0 Bexal\u2069") << "";
    QTest::newRow("right-to-left letters alone not isolated")
        << QString::fromUtf8("Kest,Dorv,Oro,\u05D0\u05D1") << QList<int> { 0, 0, 0, 20 }
        << QString::fromUtf8("\u05D0\u05D1") << "";
    QTest::newRow("name holding place markers")
        << "Kest,Dorv,%2 %1,Bexal" << QList<int> { 0, 0, 20, 0 } << "%2 %1"
        << "";
    QTest::newRow("name with blanks") << "Kest, Dorv ,Oro,Bexal" << QList<int> { 0, 9, 3, 1 } << " Dorv "
                                      << "";
}

// Answers questions 1 to 20, the last of them bringing the results with the given tallies.
void TestExtraQZT::finishWithTallies(const QList<int> &tallies)
{
    answer(19);
    // The twentieth answer completes the tallies: a vote for the last answer that has one.
    int last = 3;
    while (tallies[last] == 0)
        --last;
    ExtraQZT::TallyCounts before {};
    for (int k = 0; k < 4; ++k)
        before[k] = static_cast<std::int16_t>(tallies[k] - (k == last));
    quiz->setTalliesForTesting(before);
    host->answerOk = false;

    answer(1, last);
}

void TestExtraQZT::winner()
{
    QFETCH(QString, names);
    QFETCH(QList<int>, tallies);
    QFETCH(QString, name);
    QFETCH(QString, sound);
    quiz->StartQuiz(dir->write("cast.qzt", TempQuizDir::quizBody("\r\n", names.toStdString())));

    finishWithTallies(tallies);

    QCOMPARE(host->sounds, std::vector<std::string> { sound.toStdString() });
    QCOMPARE(QString::fromUtf8(host->prompts.at(0)),
             "Your most compatible with " + name
                 + "!,  If you would like to try again press ok.  If you want to quit hit cancel. ");
    QCOMPARE(host->titles.at(0), "Your results!");
}

void TestExtraQZT::okRestartsAtQuestionOne()
{
    answer(19, 1);
    const int writesBefore = host->boxWrites;
    answer(1, 1);

    QCOMPARE(host->boxWrites - writesBefore, 5); // question 1 is drawn once
    QCOMPARE(host->prompts.size(), 1u);
    QCOMPARE(boxes(), (QStringList { "Q1", "Q1 A", "Q1 B", "Q1 C", "Q1 D" }));
    QCOMPARE(quiz->QuestionStart(), 5);
    QCOMPARE(quiz->Tallies(), (ExtraQZT::TallyCounts { 0, 0, 0, 0 }));
    QVERIFY(quiz->ResultName().empty());
    QVERIFY(quiz->ResultSound().empty());
    QCOMPARE(host->closes, 0);

    answer(20, 2);
    QCOMPARE(QString::fromStdString(host->prompts.at(1)).left(30), "Your most compatible with Oro!");
}

void TestExtraQZT::restartReloadsTheFile()
{
    answer(19);
    std::string edited = TempQuizDir::quizBody();
    edited.replace(0, 2, "Edited question");
    dir->write("first.qzt", edited);

    answer(1);

    QCOMPARE(boxes().first(), "Edited question");
    QVERIFY(host->errors.empty());
}

void TestExtraQZT::restartWithVanishedFileKeepsLines()
{
    answer(19, 3);
    std::filesystem::remove(quizPath);

    answer(1, 3);

    QCOMPARE(host->errors.size(), 1u);
    QVERIFY(QString::fromStdString(host->errors[0]).contains(QString::fromStdString(quizPath)));
    QCOMPARE(boxes(), (QStringList { "Q1", "Q1 A", "Q1 B", "Q1 C", "Q1 D" }));
    QCOMPARE(quiz->QuestionStart(), 5);
    QCOMPARE(quiz->Tallies(), (ExtraQZT::TallyCounts { 0, 0, 0, 0 }));
}

void TestExtraQZT::cancelClosesAndShowsNothingMore()
{
    host->answerOk = false;
    answer(20);

    QCOMPARE(host->closes, 1);
    QCOMPARE(boxes(), (QStringList { "Q20", "Q20 A", "Q20 B", "Q20 C", "Q20 D" }));
    QCOMPARE(quiz->QuestionStart(), 100);
    QCOMPARE(QString::fromStdString(quiz->ResultName()), "Kest");
}

void TestExtraQZT::failedLoadChangesNothing_data()
{
    QTest::addColumn<bool>("newVote");
    QTest::newRow("start quiz") << false;
    QTest::newRow("start new quiz") << true;
}

void TestExtraQZT::failedLoadChangesNothing()
{
    QFETCH(bool, newVote);
    answer(3, 2);
    const auto lines = quiz->QuizLines();
    const auto shown = boxes();
    const auto bad = dir->write("short.QZT", TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro,Bexal", 103));

    if (newVote)
        QVERIFY_THROWS_EXCEPTION(QuizFileError, quiz->StartNewQuiz(bad));
    else
        QVERIFY_THROWS_EXCEPTION(QuizFileError, quiz->StartQuiz(bad));

    QVERIFY(quiz->QuizLines() == lines);
    QCOMPARE(boxes(), shown);
    QCOMPARE(quiz->QuestionStart(), 20);
    QCOMPARE(quiz->Tallies(), (ExtraQZT::TallyCounts { 0, 0, 3, 0 }));
    QCOMPARE(quiz->currentQuizFile().string(), quizPath);
}

void TestExtraQZT::startQuizKeepsVotes()
{
    answer(6, 1);
    quiz->StartQuiz(quizPath);

    QCOMPARE(quiz->QuestionStart(), 5);
    QCOMPARE(quiz->Tallies(), (ExtraQZT::TallyCounts { 0, 6, 0, 0 }));
}

void TestExtraQZT::newQuizStartsNewVote()
{
    host->answerOk = false;
    answer(6, 1);
    const auto second = dir->write("second.QZT", TempQuizDir::quizBody("\n", "Oro,Bexal,Kest,Dorv"));

    quiz->StartNewQuiz(second);

    QCOMPARE(quiz->Tallies(), (ExtraQZT::TallyCounts { 0, 0, 0, 0 }));
    QCOMPARE(boxes().first(), "Q1");
    QCOMPARE(quiz->currentQuizFile().string(), second);
    answer(19, 0);
    QVERIFY(host->prompts.empty());
    answer(1, 0);
    QCOMPARE(QString::fromStdString(host->prompts.at(0)).left(30), "Your most compatible with Oro!");
}

void TestExtraQZT::tallyStopsAtLargestCount()
{
    quiz->setTalliesForTesting({ 32767, 32766, 0, 0 });
    answer(2, 0);
    answer(2, 1);

    QCOMPARE(quiz->Tallies(), (ExtraQZT::TallyCounts { 32767, 32767, 0, 0 }));
}

void TestExtraQZT::goBack_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QString>("steps"); // A to D answer, < goes back, N starts a new vote
    QTest::addColumn<QList<int>>("tallies");
    QTest::addColumn<int>("question");

    const QList<int> none { 0, 0, 0, 0 };
    const QString nineteen = QString("A").repeated(19);
    QTest::newRow("at question 1") << none << "<" << none << 1;
    QTest::newRow("several steps") << none << "ABCD<<<" << QList<int> { 1, 0, 0, 0 } << 2;
    QTest::newRow("down to question 1 and on") << none << "AB<<<" << none << 1;
    QTest::newRow("answered again") << none << "AB<CC" << QList<int> { 1, 0, 2, 0 } << 4;
    QTest::newRow("at question 20") << none << nineteen + "<" << QList<int> { 18, 0, 0, 0 } << 19;
    QTest::newRow("after the results") << none << nineteen + "A<" << none << 1;
    QTest::newRow("after a new vote") << none << "ABN<" << none << 1;
    // The second A finds the tally at its largest and is lost: there is nothing to withdraw.
    QTest::newRow("lost vote") << QList<int> { 32766, 0, 0, 0 } << "AA<" << QList<int> { 32767, 0, 0, 0 }
                               << 2;
    QTest::newRow("past the lost vote")
        << QList<int> { 32766, 0, 0, 0 } << "AA<<" << QList<int> { 32766, 0, 0, 0 } << 1;
}

void TestExtraQZT::goBack()
{
    QFETCH(QList<int>, before);
    QFETCH(QString, steps);
    QFETCH(QList<int>, tallies);
    QFETCH(int, question);
    const auto counts = [](const QList<int> &list) {
        return ExtraQZT::TallyCounts { std::int16_t(list[0]), std::int16_t(list[1]), std::int16_t(list[2]),
                                       std::int16_t(list[3]) };
    };
    quiz->setTalliesForTesting(counts(before));

    for (const QChar step : steps) {
        if (step == '<')
            quiz->goBack();
        else if (step == 'N')
            quiz->StartNewQuiz(quizPath);
        else
            quiz->RecordAnswer(step.unicode() - 'A');
    }

    QCOMPARE(quiz->Tallies(), counts(tallies));
    QCOMPARE(boxes().first(), "Q" + QString::number(question));
    QCOMPARE(host->shownQuestion, question);
    QCOMPARE(quiz->canGoBack(), question > 1);
}

void TestExtraQZT::resultDetails_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<QList<int>>("tallies");
    QTest::addColumn<QStringList>("details");

    QTest::newRow("clear winner") << "Kest,Dorv,Oro,Bexal" << QList<int> { 6, 5, 4, 5 }
                                  << QStringList { "Kest: 6", "Dorv: 5", "Oro: 4", "Bexal: 5" };
    QTest::newRow("three-way tie, a name isolated")
        << QString::fromUtf8("Kest,Dorv,\u202EOro,Bexal") << QList<int> { 6, 2, 6, 6 }
        << QStringList { "Kest: 6", "Dorv: 2", QString::fromUtf8("\u2068\u202EOro\u2069: 6"), "Bexal: 6",
                         QString::fromUtf8(
                             "Kest, \u2068\u202EOro\u2069 and Bexal tied with 6 votes each; the "
                             "later name wins.") };
}

void TestExtraQZT::resultDetails()
{
    QFETCH(QString, names);
    QFETCH(QList<int>, tallies);
    QFETCH(QStringList, details);
    quiz->StartQuiz(dir->write("cast.qzt", TempQuizDir::quizBody("\r\n", names.toStdString())));

    finishWithTallies(tallies);

    QStringList shown;
    for (const std::string &line : host->details.at(0))
        shown << QString::fromStdString(line);
    QCOMPARE(shown, details);
}

QTEST_GUILESS_MAIN(TestExtraQZT)
#include "tst_extraqzt.moc"
