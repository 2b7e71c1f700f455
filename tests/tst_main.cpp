// SPDX-License-Identifier: MIT
#include "Announcer.h"
#include "ContextMenu.h"
#include "DesignFont.h"
#include "ExtraQZT.h"
#include "Main.h"
#include "MessageBox.h"
#include "OpenDialog.h"
#include "ScratchSettings.h"
#include "ShellOpener.h"
#include "SoundPlayer.h"
#include "TestFiles.h"
#include "TestSeams.h"
#include "URLLink.h"

#include <QAccessible>
#include <QAction>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using Tallies = ExtraQZT::TallyCounts;

class TestMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void designGeometry_data();
    void designGeometry();
    void windowIsFixedAndTitled();
    void startupShowsQuestionOneWithFocusOnNewTest();
    void twentyClicksBringTheResult();
    void okStartsAgainAtQuestionOne();
    void cancelClosesTheWindow();
    void realResultsBoxIsModalAndAnswered();
    void newTest_data();
    void newTest();
    void newTestCancelAfterAChoiceChangesNothing();
    void openDialogMatchesQztInAnyCase();
    void drop_data();
    void drop();
    void answerKeys_data();
    void answerKeys();
    void eachQuestionIsAnnounced_data();
    void eachQuestionIsAnnounced();
    void announcementWaitsForTheWindow();
    void typingIntoABoxChangesNothing();
    void startupWithoutQuizExitsWithStatus1();
    void links_data();
    void links();
    void progressFollowsTheQuiz();
    void progressOverlapsNothing();
    void backspaceAndMenuGoBack();
    void contextMenuOpens_data();
    void contextMenuOpens();
    void switchesSilenceAndStill();
    void choicesSurviveARestart();
    void startsWithTheGivenQuizAndReloadsIt();

private:
    QPushButton *button(const char *name) const { return window->findChild<QPushButton *>(name); }
    QLabel *progress() const { return window->findChild<QLabel *>("Progress"); }
    const ContextMenu &menu() const { return window->contextMenu(); }
    QStringList boxes() const;
    void clickAnswers(int count, const char *name = "Command2");
    void restartWindow();

    std::unique_ptr<ScratchSettings> settings;
    std::unique_ptr<Main> window;
    QStringList sounds;
    int boxesBeforeSound = -1;
    QStringList announced; // title and text, a line apart
};

void TestMain::initTestCase()
{
    QVERIFY(QDir::setCurrent(MATCHMAKER_DATA_DIR));
}

void TestMain::init()
{
    TestSeams::reset();
    sounds.clear();
    SoundPlayer::setRecorder([this](const QString &name) {
        sounds << name;
        boxesBeforeSound = MessageBox::shownCount();
    });
    announced.clear();
    Announcer::setRecorder(
        [this](const QString &title, const QString &text) { announced << title + '\n' + text; });
    settings = std::make_unique<ScratchSettings>();
    restartWindow();
}

void TestMain::cleanup()
{
    window.reset();
    settings.reset();
}

// A new window, as at the next start of the program.
void TestMain::restartWindow()
{
    window.reset();
    window = std::make_unique<Main>();
    QVERIFY(window->Form_Initialize());
    window->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_COMPARE(announced.size(), 1);
    QVERIFY(announced.takeFirst().startsWith("Question 1 of 20\nWhat would you do"));
}

QStringList TestMain::boxes() const
{
    QStringList texts;
    for (const auto *box : window->Text())
        texts << box->toPlainText();
    return texts;
}

void TestMain::clickAnswers(int count, const char *name)
{
    for (int i = 0; i < count; ++i)
        QTest::mouseClick(button(name), Qt::LeftButton);
}

void TestMain::designGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Label1") << "Label1" << QRect(360, 3120, 1575, 495) << "Question";
    QTest::newRow("Label2") << "Label2" << QRect(4920, 1920, 1455, 495) << "Answers";
    QTest::newRow("Command1") << "Command1" << QRect(4080, 3960, 855, 255) << "New Test";
    QTest::newRow("Text0") << "Text0" << QRect(360, 3600, 2895, 1005) << "";
    QTest::newRow("Text1") << "Text1" << QRect(6960, 1920, 2175, 405) << "";
    QTest::newRow("Text2") << "Text2" << QRect(6960, 2400, 2175, 405) << "";
    QTest::newRow("Text3") << "Text3" << QRect(6960, 2880, 2175, 405) << "";
    QTest::newRow("Text4") << "Text4" << QRect(6960, 3360, 2175, 405) << "";
    QTest::newRow("Command2") << "Command2" << QRect(6480, 2040, 375, 255) << "A";
    QTest::newRow("Command3") << "Command3" << QRect(6480, 2520, 375, 255) << "B";
    QTest::newRow("Command4") << "Command4" << QRect(6480, 3000, 375, 255) << "C";
    QTest::newRow("Command5") << "Command5" << QRect(6480, 3480, 375, 255) << "D";
    QTest::newRow("URLLink1") << "URLLink1" << QRect(5760, 3840, 3375, 375) << "";
    QTest::newRow("URLLink2") << "URLLink2" << QRect(5760, 4200, 3255, 375) << "";
    QTest::newRow("Image1") << "Image1" << QRect(120, 2040, 3000, 1125) << "";
    QTest::newRow("Scrollpic") << "Scrollpic" << QRect(0, 0, 2640, 1665) << "";
}

void TestMain::designGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    const auto *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);

    QCOMPARE(widget->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QVERIFY(widget->isVisible());
    if (const auto *pushButton = qobject_cast<const QPushButton *>(widget))
        QCOMPARE(pushButton->text(), caption);
    if (const auto *label = qobject_cast<const QLabel *>(widget); label && !caption.isEmpty())
        QCOMPARE(label->text(), caption);
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(widget)) {
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }
    if (widget->focusPolicy() != Qt::NoFocus)
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
}

void TestMain::windowIsFixedAndTitled()
{
    QCOMPARE(window->windowTitle(), "Brindlecast Match Maker!");
    QCOMPARE(window->windowIcon().availableSizes(), QList<QSize> { QSize(32, 32) });
    QCOMPARE(window->size(), QSize(636, 325));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(window->findChild<QLabel *>("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    const QStringList tabOrder { "Command1", "Text0",    "Text1",    "Text2",    "Text3",    "Text4",
                                 "Command2", "Command3", "Command4", "Command5", "URLLink1", "URLLink2" };
    QStringList chain;
    for (QWidget *widget = window->nextInFocusChain(); widget != window.get();
         widget = widget->nextInFocusChain()) {
        if (tabOrder.contains(widget->objectName()))
            chain << widget->objectName();
    }
    QCOMPARE(chain, tabOrder);
}

void TestMain::startupShowsQuestionOneWithFocusOnNewTest()
{
    QCOMPARE(boxes().first(), "What would you do on a free afternoon aboard the Brindle Wren?");
    for (const QString &text : boxes())
        QVERIFY(!text.isEmpty());
    QCOMPARE(window->quiz().QuestionStart(), 5);
    QCOMPARE(QApplication::focusWidget(), button("Command1"));
    QCOMPARE(button("Command3")->accessibleDescription(), boxes()[2]);
    QCOMPARE(window->findChild<QWidget *>("Text0")->accessibleDescription(), boxes()[0]);
    const QAccessibleInterface *notice
        = QAccessible::queryAccessibleInterface(window->findChild<QWidget *>("announcement"));
    QCOMPARE(notice->role(), QAccessible::Notification);
    QCOMPARE(notice->text(QAccessible::Name), "Question 1 of 20");
    QVERIFY(notice->rect().isEmpty());
}

void TestMain::twentyClicksBringTheResult()
{
    clickAnswers(15, "Command4");
    clickAnswers(4, "Command5");
    QCOMPARE(MessageBox::shownCount(), 0);
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);

    clickAnswers(1, "Command2");

    QCOMPARE(MessageBox::shownCount(), 1);
    QCOMPARE(MessageBox::lastTitle(), "Your results!");
    QCOMPARE(MessageBox::lastText(),
             "Your most compatible with Oro!,  If you would like to try again press ok.  If you want to quit "
             "hit cancel. ");
    QCOMPARE(MessageBox::lastDetails(), "Kest: 1\nDorv: 0\nOro: 15\nBexal: 4");
    QCOMPARE(sounds, QStringList { "orosound.wav" });
    QCOMPARE(boxesBeforeSound, 0); // the clip starts before the box appears
}

void TestMain::okStartsAgainAtQuestionOne()
{
    const QStringList first = boxes();
    clickAnswers(7, "Command3");
    QVERIFY(boxes() != first);
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);

    clickAnswers(13, "Command3");

    QCOMPARE(boxes(), first);
    QCOMPARE(window->quiz().Tallies(), (Tallies { 0, 0, 0, 0 }));
    QVERIFY(window->isVisible());
}

void TestMain::cancelClosesTheWindow()
{
    clickAnswers(19);
    const QStringList last = boxes();
    MessageBox::setNextAnswer(MessageBox::Answer::Cancel);

    clickAnswers(1);

    QVERIFY(!window->isVisible());
    QCOMPARE(boxes(), last);
}

// Drives a real QMessageBox, not the queue, so that the box the user sees is covered too.
void TestMain::realResultsBoxIsModalAndAnswered()
{
    clickAnswers(19, "Command5");
    QString seenText;
    bool seenIcon = true;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seenText = box->text();
        seenIcon = box->icon() != QMessageBox::NoIcon;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });

    clickAnswers(1, "Command5");

    QVERIFY(seenText.startsWith("Your most compatible with Bexal!,  If"));
    QVERIFY(!seenIcon);
    QCOMPARE(window->quiz().QuestionStart(), 5);
}

void TestMain::newTest_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("loads");

    QTest::newRow("cancel") << "" << false;
    QTest::newRow("good file") << "episode2.QZT" << true;
    QTest::newRow("lower-case extension") << "copy.qzt" << true;
    QTest::newRow("short file") << "short.QZT" << false;
    QTest::newRow("name holding place markers") << "%2 %1.QZT" << false;
    QTest::newRow("missing file") << "gone.QZT" << false;
    QTest::newRow("read error") << "/proc/self/mem" << false;
}

void TestMain::newTest()
{
    QFETCH(QString, choice);
    QFETCH(bool, loads);
    TempQuizDir dir;
    dir.write("copy.qzt", TempQuizDir::quizBody());
    dir.write("short.QZT", TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro,Bexal", 60));
    dir.write("%2 %1.QZT", TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro,Bexal", 60));
    const QString path = choice.isEmpty() || choice.startsWith('/') ? choice
        : choice == "episode2.QZT"                                  ? QDir::current().absoluteFilePath(choice)
                                   : QString::fromStdString(dir.filePath(choice.toStdString()));
    clickAnswers(6, "Command3");
    const QStringList shown = boxes();
    OpenDialog::setNextFileName(path);
    const bool failed = !loads && !path.isEmpty();
    if (failed)
        MessageBox::setNextAnswer(MessageBox::Answer::Ok);

    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QCOMPARE(MessageBox::shownCount(), failed ? 1 : 0);
    if (failed) {
        QVERIFY2(MessageBox::lastText().contains(path), qPrintable(MessageBox::lastText()));
        QVERIFY(MessageBox::lastText().contains(choice == "gone.QZT" ? "does not exist"
                                                    : choice == "/proc/self/mem"
                                                    ? "cannot be read (Input/output error)"
                                                    : "only 60 lines"));
    }
    QCOMPARE(window->openDialog().nameFilters(), QStringList { "Qzt Files  (*.QZT)" });
    if (loads) {
        QVERIFY(boxes() != shown);
        QCOMPARE(window->quiz().QuestionStart(), 5);
        QCOMPARE(window->quiz().Tallies(), (Tallies { 0, 0, 0, 0 }));
    } else {
        QCOMPARE(boxes(), shown);
        QCOMPARE(window->quiz().QuestionStart(), 35);
        QCOMPARE(window->quiz().Tallies(), (Tallies { 0, 6, 0, 0 }));
    }
}

void TestMain::newTestCancelAfterAChoiceChangesNothing()
{
    OpenDialog::setNextFileName(QDir::current().absoluteFilePath("episode2.QZT"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    clickAnswers(3);
    const QStringList shown = boxes();

    OpenDialog::setNextFileName(QString());
    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QCOMPARE(boxes(), shown);
    QCOMPARE(window->quiz().Tallies(), (Tallies { 3, 0, 0, 0 }));
    QCOMPARE(window->openDialog().fileName(), QDir::current().absoluteFilePath("episode2.QZT"));
}

void TestMain::openDialogMatchesQztInAnyCase()
{
    TempQuizDir dir;
    for (const char *name : { "upper.QZT", "lower.qzt", "Mixed.Qzt", "notes.txt", "quiz.qzt.bak" })
        dir.write(name, "x");
    const QString folder = QString::fromStdString(dir.filePath(""));
    QStringList listed;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->setDirectory(folder);
        auto *view = dialog->findChild<QListView *>("listView");
        auto *model = dialog->findChild<QFileSystemModel *>();
        QTRY_COMPARE(model->rowCount(view->rootIndex()), 3);
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
            listed << model->index(row, 0, view->rootIndex()).data().toString();
        dialog->reject();
    });

    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    listed.sort();
    QCOMPARE(listed, (QStringList { "Mixed.Qzt", "lower.qzt", "upper.QZT" }));
    QCOMPARE(window->quiz().QuestionStart(), 5);
}

void TestMain::drop_data()
{
    QTest::addColumn<QByteArrayList>("files"); // names as bytes
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("actions");
    QTest::addColumn<QString>("outcome");

    const int copy = Qt::CopyAction;
    const int copyOrMove = Qt::CopyAction | Qt::MoveAction;
    QTest::newRow("good file") << QByteArrayList { "copy.qzt" } << "" << copyOrMove << "opens";
    QTest::newRow("any name") << QByteArrayList { "quiz.txt" } << "" << copy << "opens";
    QTest::newRow("name not utf-8") << QByteArrayList { "caf\xE9.qzt" } << "" << copy << "opens";
    QTest::newRow("short file") << QByteArrayList { "short.QZT" } << "" << copy << "reports";
    QTest::newRow("text") << QByteArrayList {} << "Q1" << copy << "refused";
    QTest::newRow("two files") << QByteArrayList { "copy.qzt", "quiz.txt" } << "" << copy << "refused";
    QTest::newRow("remote file") << QByteArrayList { "https://www.brindlecast.example/a.qzt" } << "" << copy
                                 << "refused";
    QTest::newRow("folder") << QByteArrayList { "." } << "" << copy << "refused";
    QTest::newRow("move only") << QByteArrayList { "copy.qzt" } << "" << int(Qt::MoveAction) << "refused";
}

// Real drag and drop events, sent to the window as the window system delivers them, over the
// question box as a user would aim. Shift is held, so a drag that offers a move proposes one.
void TestMain::drop()
{
    QFETCH(QByteArrayList, files);
    QFETCH(QString, text);
    QFETCH(int, actions);
    QFETCH(QString, outcome);
    TempQuizDir dir;
    dir.write("copy.qzt", TempQuizDir::quizBody());
    dir.write("caf\xE9.qzt", TempQuizDir::quizBody());
    dir.write("quiz.txt", TempQuizDir::quizBody("\n"));
    dir.write("short.QZT", TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro,Bexal", 60));
    QList<QUrl> urls;
    // As a file manager sends them: the name's bytes, percent-encoded.
    for (const QByteArray &file : files)
        urls << (file.startsWith("https:")
                     ? QUrl(file)
                     : QUrl::fromEncoded("file://"
                                         + QByteArray::fromStdString(dir.filePath(file.toStdString()))
                                               .toPercentEncoding("/")));
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    clickAnswers(6, "Command3");
    const QStringList shown = boxes();
    if (outcome == "reports")
        MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    const QPoint over = window->findChild<QWidget *>("Text0")->geometry().center();
    const auto offered = Qt::DropActions(actions);

    QDragEnterEvent enter(over, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(window->windowHandle(), &enter);
    QDragMoveEvent move(over, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(window->windowHandle(), &move);
    QCOMPARE(enter.isAccepted(), outcome != "refused");
    QCOMPARE(move.isAccepted(), outcome != "refused");
    if (outcome == "refused") {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window->windowHandle(), &leave);
    } else {
        QDropEvent drop(over, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(window->windowHandle(), &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
    }

    if (outcome == "opens") {
        QTRY_COMPARE(window->quiz().QuestionStart(), 5);
        QCOMPARE(boxes().first(), "Q1");
        QCOMPARE(window->quiz().Tallies(), (Tallies { 0, 0, 0, 0 }));
        return;
    }
    if (outcome == "reports") {
        QTRY_COMPARE(MessageBox::shownCount(), 1);
        QVERIFY(MessageBox::lastText().contains(QDir::toNativeSeparators(urls.first().toLocalFile())));
        QVERIFY(MessageBox::lastText().contains("only 60 lines"));
    }
    QCoreApplication::processEvents();
    QCOMPARE(MessageBox::shownCount(), outcome == "reports" ? 1 : 0);
    QCOMPARE(boxes(), shown);
    QCOMPARE(window->quiz().QuestionStart(), 35);
    QCOMPARE(window->quiz().Tallies(), (Tallies { 0, 6, 0, 0 }));
}

void TestMain::answerKeys_data()
{
    QTest::addColumn<QString>("keys");    // "<" is Backspace; no time passes between keys
    QTest::addColumn<QString>("details"); // the votes: at the results, or so far

    QTest::newRow("A") << "A"
                       << "Kest: 1\nDorv: 0\nOro: 0\nBexal: 0";
    QTest::newRow("every key in turn") << "DCBA"
                                       << "Kest: 1\nDorv: 1\nOro: 1\nBexal: 1";
    QTest::newRow("the same key twice") << "BB"
                                        << "Kest: 0\nDorv: 2\nOro: 0\nBexal: 0";
    QTest::newRow("Backspace right after a key") << "CA<"
                                                 << "Kest: 0\nDorv: 0\nOro: 1\nBexal: 0";
    QTest::newRow("to the results") << "BBBBA<" + QString(16, 'C') << "Kest: 0\nDorv: 4\nOro: 16\nBexal: 0";
}

// A key answers the moment it is pressed, in the order the keys come, however quickly.
void TestMain::answerKeys()
{
    QFETCH(QString, keys);
    QFETCH(QString, details);
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);

    for (const QChar key : keys)
        QTest::keyClick(window->windowHandle(), key == '<' ? Qt::Key_Backspace : Qt::Key(key.unicode()));

    const auto &votes = window->quiz().Tallies();
    const QString sofar = QStringLiteral("Kest: %1\nDorv: %2\nOro: %3\nBexal: %4")
                              .arg(votes[0])
                              .arg(votes[1])
                              .arg(votes[2])
                              .arg(votes[3]);
    QCOMPARE(MessageBox::shownCount() == 1 ? MessageBox::lastDetails() : sofar, details);
}

void TestMain::eachQuestionIsAnnounced_data()
{
    QTest::addColumn<QStringList>("keys"); // Ctrl+N: New Test, choosing a quiz of Q1, Q1 A...
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last"); // how the last announcement begins

    const QString first = "Question 1 of 20\nWhat would you do on a free afternoon aboard the Brindle Wren?\n"
                          "Answer A: Race skiffs around the hull\nAnswer B: Fix that squeaky hatch\n"
                          "Answer C: Chart the next star route\nAnswer D: Teach the parrot a song";
    QTest::newRow("A") << QStringList { "A" } << 1
                       << "Question 2 of 20\nA storm hits the ship at night. What is your first move?\n";
    QTest::newRow("Backspace") << QStringList { "C", "Backspace" } << 2 << first;
    QTest::newRow("Backspace at question 1") << QStringList { "Backspace" } << 0 << "";
    QTest::newRow("New Test") << QStringList { "B", "Ctrl+N" } << 2
                              << "Question 1 of 20\nQ1\nAnswer A: Q1 A\n";
    QTest::newRow("OK at the results") << QStringList(20, "D") << 20 << first;
}

// What a screen reader is told after each key, wherever the focus is.
void TestMain::eachQuestionIsAnnounced()
{
    QFETCH(QStringList, keys);
    QFETCH(int, count);
    QFETCH(QString, last);
    TempQuizDir dir;
    OpenDialog::setNextFileName(QString::fromStdString(dir.write("new.qzt", TempQuizDir::quizBody())));
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);

    for (const QString &key : keys)
        QTest::keySequence(window->windowHandle(), QKeySequence(key));

    QCOMPARE(announced.size(), count);
    QCOMPARE(announced.value(count - 1).left(last.size()), last);
    QCOMPARE(QApplication::focusWidget(), button("Command1"));
}

// Said only once the window is active again, after the screen reader has told of its focus, and
// only the last of what came meanwhile.
void TestMain::announcementWaitsForTheWindow()
{
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    clickAnswers(2);
    QCoreApplication::processEvents();
    QCOMPARE(announced, QStringList());
    window->activateWindow();

    QTRY_COMPARE(announced.size(), 1);
    QVERIFY(announced.first().startsWith("Question 3 of 20\nWhich snack"));
}

void TestMain::typingIntoABoxChangesNothing()
{
    auto *box = window->findChild<QPlainTextEdit *>("Text0");
    const QString text = box->toPlainText();
    box->setFocus();
    box->selectAll();

    QTest::keyClicks(box, "xyz 123");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(box->toPlainText(), text);
    QVERIFY(box->textCursor().hasSelection());
}

void TestMain::startupWithoutQuizExitsWithStatus1()
{
    QTemporaryDir empty;
    QProcess program;
    program.setWorkingDirectory(empty.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("MATCHMAKER_NONINTERACTIVE", "1");
    program.setProcessEnvironment(environment);

    program.start(MATCHMAKER_BINARY, QStringList());

    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(program.readAllStandardError().contains("\"episode1.qzt\": the file does not exist."));
}

void TestMain::links_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("byKeyboard");

    const QString web = "https://www.brindlecast.example/";
    const QString mail = "mailto:matchmaker@brindlecast.example";
    QTest::newRow("web site") << "URLLink1"
                              << "Website:  " + web << web << true << false;
    QTest::newRow("e-mail") << "URLLink2"
                            << "Email:  matchmaker@brindlecast.example" << mail << true << false;
    QTest::newRow("no browser") << "URLLink1"
                                << "Website:  " + web << web << false << false;
    QTest::newRow("no mail program") << "URLLink2"
                                     << "Email:  matchmaker@brindlecast.example" << mail << false << false;
    QTest::newRow("web site by keyboard") << "URLLink1"
                                          << "Website:  " + web << web << true << true;
}

void TestMain::links()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    QFETCH(bool, byKeyboard);
    QList<QUrl> opened;
    ShellOpener::setRecorder([&](const QUrl &url) {
        opened << url;
        return accepted;
    });
    if (!accepted)
        MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    auto *link = window->findChild<URLLink *>(name);
    auto *label = link->findChild<QLabel *>("lblURL");

    if (byKeyboard) {
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
    } else {
        QTest::mousePress(label, Qt::LeftButton);
    }

    QCOMPARE(link->Text(), text);
    QCOMPARE(label->text(), text);
    QVERIFY(label->toolTip().isEmpty());
    QCOMPARE(opened, QList<QUrl> { QUrl(target) });
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(MessageBox::shownCount(), accepted ? 0 : 1);
    if (!accepted) {
        QCOMPARE(MessageBox::lastTitle(), "qzt");
        QCOMPARE(MessageBox::lastText(),
                 "Unable to load '" + target + "' : no application on this computer could open it (Error 4)");
    }
}

void TestMain::progressFollowsTheQuiz()
{
    QCOMPARE(progress()->textFormat(), Qt::PlainText);
    QCOMPARE(progress()->focusPolicy(), Qt::NoFocus);
    QCOMPARE(progress()->font(), DesignFont::sansSerif(8.25));
    QVERIFY(progress()->fontMetrics().horizontalAdvance("20 of 20") <= progress()->width());

    for (int question = 1; question <= 20; ++question) {
        QCOMPARE(progress()->text(), QString("%1 of 20").arg(question));
        QCOMPARE(progress()->accessibleName(), QString("Question %1 of 20").arg(question));
        if (question == 20)
            MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        clickAnswers(1);
    }
    QCOMPARE(progress()->text(), "1 of 20");
}

void TestMain::progressOverlapsNothing()
{
    const QRect caption = progress()->geometry();
    QVERIFY(window->rect().contains(caption));
    for (const auto *other : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        QRect place = other->geometry();
        if (other->objectName() == "Scrollpic") // it moves across the whole width
            place.setCoords(0, place.top(), window->width(), place.bottom());
        QVERIFY2(other == progress() || other->isWindow() || !place.intersects(caption),
                 qPrintable(other->objectName()));
    }
}

void TestMain::backspaceAndMenuGoBack()
{
    clickAnswers(1, "Command4");
    const QStringList second = boxes();
    clickAnswers(2, "Command4");
    window->findChild<QWidget *>("Text0")->setFocus(); // a read-only box leaves Backspace alone

    QTest::keyClick(window->windowHandle(), Qt::Key_Backspace);
    menu().back()->trigger();

    QCOMPARE(boxes(), second);
    QCOMPARE(progress()->text(), "2 of 20");
    QCOMPARE(window->quiz().Tallies(), (Tallies { 0, 0, 1, 0 }));
    QVERIFY(menu().back()->isEnabled());
    menu().back()->trigger();
    QVERIFY(!menu().back()->isEnabled());
}

void TestMain::contextMenuOpens_data()
{
    QTest::addColumn<QString>("control"); // empty: the black window
    QTest::addColumn<bool>("keyboard");   // Shift+F10 with the focus on the control
    QTest::addColumn<bool>("windowMenu"); // false: the text box's own menu

    QTest::newRow("right button on the window") << "" << false << true;
    QTest::newRow("right button on an answer button") << "Command3" << false << true;
    QTest::newRow("right button on a text box") << "Text1" << false << false;
    QTest::newRow("Shift+F10") << "Command1" << true << true;
}

void TestMain::contextMenuOpens()
{
    QFETCH(QString, control);
    QFETCH(bool, keyboard);
    QFETCH(bool, windowMenu);
    QWidget *target = control.isEmpty() ? window.get() : window->findChild<QWidget *>(control);
    const QPoint where = control.isEmpty() ? QPoint(300, 300) : target->rect().center();

    if (keyboard) {
        target->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    } else {
        // Through the window, where Qt turns the right button into a context menu event.
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, target->mapTo(window.get(), where));
    }

    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget() == menu().menu(), windowMenu);
    if (windowMenu) // a screen reader hears the first item at once
        QVERIFY(menu().menu()->activeAction() == menu().newTest() && menu().menu()->hasFocus());
    QApplication::activePopupWidget()->close();
    QStringList items;
    for (const QAction *item : menu().menu()->actions())
        items << item->text() + " " + item->shortcut().toString();
    QCOMPARE(
        items,
        (QStringList { "New Test... Ctrl+N", "Edit this quiz... Ctrl+E", "Back one question Backspace", " ",
                       "Sound M", "Move the banner P", " ", "About Brindlecast Match Maker ", "About Qt " }));
}

void TestMain::switchesSilenceAndStill()
{
    const auto *timer1 = window->findChild<QTimer *>("Timer1");
    const auto *timer2 = window->findChild<QTimer *>("Timer2");
    QVERIFY(timer1->isActive() && timer2->isActive() && window->soundPlayer().isEnabled());

    QTest::keyClick(window->windowHandle(), Qt::Key_M);
    QTest::keyClick(window->windowHandle(), Qt::Key_P);
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    clickAnswers(20);

    QVERIFY(!menu().sound()->isChecked() && !menu().moveBanner()->isChecked());
    QCOMPARE(MessageBox::shownCount(), 1);
    QCOMPARE(sounds, QStringList());
    QVERIFY(!timer1->isActive() && !timer2->isActive());
    QTest::keyClick(window->windowHandle(), Qt::Key_P);
    QVERIFY(timer1->isActive() && timer2->isActive());
}

void TestMain::choicesSurviveARestart()
{
    menu().sound()->setChecked(false);
    menu().moveBanner()->setChecked(false);
    restartWindow();
    QVERIFY(!window->soundPlayer().isEnabled() && !window->findChild<QTimer *>("Timer1")->isActive());

    menu().sound()->setChecked(true);
    restartWindow();
    QVERIFY(menu().sound()->isChecked() && !menu().moveBanner()->isChecked());
}

// matchmaker FILE: that quiz's first question, and a restart after OK reads the file again.
void TestMain::startsWithTheGivenQuizAndReloadsIt()
{
    TempQuizDir dir;
    const auto path = dir.write("mine.qzt", "Mine?\r\n" + TempQuizDir::quizBody().substr(4));
    Main window;
    QVERIFY(window.Form_Initialize(path));
    QCOMPARE(window.Text()[0]->toPlainText(), "Mine?");

    dir.write("mine.qzt", "Changed?\r\n" + TempQuizDir::quizBody().substr(4));
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    for (int i = 0; i < 20; ++i)
        window.Command2_Click();

    QCOMPARE(window.Text()[0]->toPlainText(), "Changed?");
    QCOMPARE(window.quiz().Tallies(), (ExtraQZT::TallyCounts {}));
}

QTEST_MAIN(TestMain)
#include "tst_main.moc"
