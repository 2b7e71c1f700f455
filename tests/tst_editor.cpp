// SPDX-License-Identifier: MIT
#include "Announcer.h"
#include "FatalError.h"
#include "Main.h"
#include "MessageBox.h"
#include "OpenDialog.h"
#include "QuizEditor.h"
#include "QuizEditors.h"
#include "QuizFile.h"
#include "SaveFile.h"
#include "ScratchSettings.h"
#include "SoundPlayer.h"
#include "TestFiles.h"
#include "TestSeams.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include <sys/stat.h>

using Answer = MessageBox::Answer;

// The quiz editor, driven as a user would, and Try it and Ctrl+E in the main window.
class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void editAndSaveReadsBack();
    void pastedLineBreaksBecomeSpaces();
    void saveRefusedWhileAnErrorStands();
    void failedSaveLosesNothing_data();
    void failedSaveLosesNothing();
    void saveOverTheEditorsLimitRefused();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();
    void windows1252AsksBeforeUtf8();
    void answerFieldsSayWhomTheyVoteFor_data();
    void answerFieldsSayWhomTheyVoteFor();
    void tryItShowsTheEditedQuestionOne();
    void ctrlEBringsBackTheTriedEditor();
    void exportsTheQuizAsItStands();
    void exportsTheQuizAsOneFile();

private:
    QLineEdit *field(const QString &accessibleName) const;
    void replaceText(const QString &accessibleName, const QString &text) const;
    void press(QKeyCombination keys) const;
    QByteArray fileBytes() const;

    std::unique_ptr<TempQuizDir> dir;
    std::string path;
    std::unique_ptr<QuizEditor> editor;
};

namespace {

ino_t inodeOf(const std::string &path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

void TestEditor::initTestCase()
{
    // A box no test answered is written out and counted instead of waiting for a user.
    qputenv("MATCHMAKER_NONINTERACTIVE", "1");
}

void TestEditor::init()
{
    TestSeams::reset();
    SoundPlayer::setRecorder([](const QString &) {});
    dir = std::make_unique<TempQuizDir>();
    path = dir->write("quiz.qzt", TempQuizDir::quizBody());
    editor = std::make_unique<QuizEditor>();
    QVERIFY(editor->openFile(QString::fromStdString(path)));
    editor->show();
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
}

void TestEditor::cleanup()
{
    editor.reset();
    QCOMPARE(MessageBox::shownCount(), 0);
}

QLineEdit *TestEditor::field(const QString &accessibleName) const
{
    for (auto *candidate : editor->findChildren<QLineEdit *>()) {
        if (candidate->accessibleName() == accessibleName)
            return candidate;
    }
    return nullptr;
}

void TestEditor::replaceText(const QString &accessibleName, const QString &text) const
{
    QLineEdit *target = field(accessibleName);
    QVERIFY(target);
    target->setFocus();
    target->selectAll();
    QTest::keyClicks(target, text);
}

void TestEditor::press(QKeyCombination keys) const
{
    QTest::keyClick(editor->windowHandle(), keys.key(), keys.keyboardModifiers());
}

QByteArray TestEditor::fileBytes() const
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestEditor::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const auto body = [](const char *eol) { return TempQuizDir::quizBytes(eol); };
    QTest::newRow("crlf") << body("\r\n");
    QTest::newRow("lf") << body("\n");
    QTest::newRow("windows-1252") << body("\r\n").replace("Q1 B", "caf\xE9").replace("Q2", "\x93Q2\x94 \x80");
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + body("\r\n");
    QTest::newRow("trailing lines") << QByteArray::fromStdString(
                                           TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro,Bexal", 110))
            + "\n\rno end \xFF";
    QByteArray mixed = body("\n").replace("Q1\n", "Q1\r").replace("Q1 A\n", "Q1 A\r\n");
    QTest::newRow("mixed ends, last unended") << mixed.chopped(1);
}

// A file opened and saved with no edit is the same file, though written anew.
void TestEditor::roundTrip()
{
    QFETCH(QByteArray, bytes);
    path = dir->write("round.qzt", bytes.toStdString());
    QVERIFY(editor->openFile(QString::fromStdString(path)));
    const ino_t before = inodeOf(path);
    QVERIFY(!editor->isWindowModified());

    press(Qt::CTRL | Qt::Key_S);

    QCOMPARE(fileBytes(), bytes);
    QVERIFY(inodeOf(path) != before);
}

void TestEditor::editAndSaveReadsBack()
{
    replaceText("Question 1", "What now?");
    replaceText("Name for answer D", "Zed");

    QVERIFY(editor->isWindowModified());
    QCOMPARE(editor->windowHandle()->title(), "quiz.qzt* - Quiz Editor");
    const auto *votes = editor->findChild<QLabel *>("votesD");
    QCOMPARE(votes->text(), "votes for Zed");
    auto *findings = editor->findChild<QListWidget *>("findingsList");
    QCOMPARE(findings->count(), 1);
    QVERIFY(
        findings->item(0)->text().startsWith("Line 104: warning: no sound clip belongs to the name \"Zed\""));
    emit findings->itemActivated(findings->item(0));
    QCOMPARE(QApplication::focusWidget(), field("Name for answer D"));

    press(Qt::CTRL | Qt::Key_S);

    const QuizText lines = LoadQuizLines(path);
    QCOMPARE(lines[0], "What now?");
    QCOMPARE(lines[1], "Q1 A");
    QCOMPARE(lines[103], "Zed");
    QVERIFY(!editor->isWindowModified());
    QCOMPARE(editor->windowHandle()->title(), "quiz.qzt - Quiz Editor");
}

// Only CR and LF end a line of a quiz file: Unicode's separators are text the line keeps.
void TestEditor::pastedLineBreaksBecomeSpaces()
{
    QApplication::clipboard()->setText("one\r\ntwo\nthree\u2029four\u2028\u0085");
    QLineEdit *target = field("Question 2, answer C");
    target->setFocus();
    target->selectAll();

    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Home);
    QTest::keyClick(target, Qt::Key_X);

    QCOMPARE(target->text(), "xone two three\u2029four\u2028\u0085");
    QCOMPARE(editor->document().lines()[8], "xone two three\u2029four\u2028\u0085");
}

void TestEditor::saveRefusedWhileAnErrorStands()
{
    // Over the limit in bytes with a third as many characters: the euro sign is three bytes in
    // UTF-8, and a line edit copies the pasted text once per character it inserts.
    constexpr qsizetype EuroBytes = 3;
    QApplication::clipboard()->setText(QString(QuizMaxLineLength / EuroBytes + 1, QChar(0x20AC)));
    QLineEdit *target = field("Question 3, answer B");
    target->setFocus();
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    MessageBox::setNextAnswer(Answer::Ok);

    press(Qt::CTRL | Qt::Key_S);

    QVERIFY(MessageBox::lastText().startsWith("The quiz cannot be saved while it has errors"));
    QCOMPARE(fileBytes(), TempQuizDir::quizBytes());
    QVERIFY(editor->isWindowModified());
    MessageBox::resetSeam();
}

void TestEditor::failedSaveLosesNothing_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("reason");
    QTest::newRow("write fails") << "seam"
                                 << "No space left on device";
    QTest::newRow("full disk") << "full"
                               << "No space left on device";
    QTest::newRow("read-only folder") << "read-only"
                                      << "";
    QTest::newRow("folder gone") << "gone"
                                 << "No such file or directory";
}

// A save that fails leaves the file byte for byte as it was, and no temporary file beside it; the
// quiz stays unsaved and the box names the file and the system's reason. A full disk and a
// read-only folder are real where the test may mount a small file system of its own (as root).
void TestEditor::failedSaveLosesNothing()
{
    QFETCH(QString, cause);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const ScratchMount disk(folder.path(), cause == "full" || cause == "read-only");
    if (cause == "full" && !disk.mounted())
        QSKIP("No file system of its own can be mounted here");
    path = QFile::encodeName(folder.filePath("quiz.qzt")).toStdString();
    const QByteArray original = TempQuizDir::quizBytes();
    std::ofstream(path, std::ios::binary) << original.toStdString();
    QVERIFY(editor->openFile(QString::fromStdString(path)));
    if (cause == "seam")
        SaveFile::setNextFailure(reason);
    if (cause == "full")
        disk.fill();
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    if (cause == "read-only"
        && !(disk.mounted() ? disk.makeReadOnly() : QFile::setPermissions(folder.path(), readOnly)))
        QSKIP("The folder cannot be made read-only");
    if (cause == "read-only")
        reason = disk.mounted() ? "Read-only file system" : "Permission denied";
    if (cause == "gone")
        QVERIFY(folder.remove());
    replaceText("Question 1", "Lost?");
    MessageBox::setNextAnswer(Answer::Ok);

    press(Qt::CTRL | Qt::Key_S);

    QCOMPARE(MessageBox::lastText(),
             "Cannot save the quiz file \"" + QString::fromStdString(path) + "\": " + reason);
    QVERIFY(editor->isWindowModified());
    if (cause == "gone") {
        QVERIFY(!QFileInfo::exists(folder.path()));
    } else {
        QCOMPARE(fileBytes(), original);
        QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        files.removeOne("filler");
        QCOMPARE(files, QStringList { "quiz.qzt" });
    }
    QFile::setPermissions(folder.path(), readOnly | QFileDevice::WriteOwner);
    MessageBox::resetSeam();
}

// A quiz whose lines after the 104th fill the editor's limit cannot grow past it: the editor
// would refuse to open what it wrote.
void TestEditor::saveOverTheEditorsLimitRefused()
{
    QFile file(QString::fromStdString(path));
    QVERIFY(file.resize(static_cast<qint64>(QuizDocument::MaxFileSize))); // sparse: nothing written
    QVERIFY(editor->openFile(file.fileName()));
    replaceText("Question 1", "Longer");
    MessageBox::setNextAnswer(Answer::Ok);

    press(Qt::CTRL | Qt::Key_S);

    QVERIFY(
        MessageBox::lastText().endsWith("it would be larger than 64 MiB, too large for the quiz editor."));
    QCOMPARE(file.size(), static_cast<qint64>(QuizDocument::MaxFileSize));
    QVERIFY(editor->isWindowModified());
    MessageBox::resetSeam();
}

void TestEditor::unsavedChangesQuestion_data()
{
    QTest::addColumn<bool>("fatal"); // a fatal error instead of Close
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("ends"); // the editor closed, or the program ended
    QTest::addColumn<QByteArray>("firstLine");
    for (const bool fatal : { false, true }) {
        const char *trigger = fatal ? "fatal error, " : "close, ";
        QTest::addRow("%ssave", trigger) << fatal << Answer::Save << true << QByteArray("Changed");
        QTest::addRow("%sdiscard", trigger) << fatal << Answer::Discard << true << QByteArray("Q1");
        QTest::addRow("%scancel", trigger) << fatal << Answer::Cancel << false << QByteArray("Q1");
    }
}

// Unsaved changes are asked about before the editor closes, and before a fatal error ends the
// program; Cancel keeps both.
void TestEditor::unsavedChangesQuestion()
{
    QFETCH(bool, fatal);
    QFETCH(Answer, answer);
    QFETCH(bool, ends);
    QFETCH(QByteArray, firstLine);
    int status = 0;
    FatalError::setExitHandler([&](int code) { status = code; });
    replaceText("Question 1", "Changed");
    if (fatal)
        MessageBox::setNextAnswer(Answer::Ok);
    MessageBox::setNextAnswer(answer);

    if (fatal)
        FatalError::show("Brindlecast Match Maker", "Something went wrong.");
    else
        press(Qt::CTRL | Qt::Key_W);

    QCOMPARE(MessageBox::shownCount(), fatal ? 2 : 1);
    QCOMPARE(MessageBox::lastText(), "The quiz has changes that are not saved. Save them first?");
    QCOMPARE(fatal ? status == 1 : !editor->isVisible(), ends);
    QCOMPARE(QByteArray::fromStdString(LoadQuizLines(path)[0]), firstLine);
    FatalError::setExitHandler({});
    MessageBox::resetSeam();
}

// A Windows-1252 file stays so until a character it cannot hold is typed, and then only if the
// user agrees.
void TestEditor::windows1252AsksBeforeUtf8()
{
    path = dir->write("old.qzt", TempQuizDir::quizBody().replace(0, 2, "Caf\xE9"));
    QVERIFY(editor->openFile(QString::fromStdString(path)));
    QLineEdit *question = field("Question 1");
    question->setFocus();
    question->end(false);
    MessageBox::setNextAnswer(Answer::Cancel);

    QTest::sendKeyEvent(QTest::Click, question, Qt::Key_unknown, QString("\u2192"), Qt::NoModifier);

    QCOMPARE(question->text(), "Caf\u00E9");
    QVERIFY(!editor->isWindowModified());
    MessageBox::setNextAnswer(Answer::Ok);
    QTest::sendKeyEvent(QTest::Click, question, Qt::Key_unknown, QString("\u2192"), Qt::NoModifier);
    press(Qt::CTRL | Qt::Key_S);

    QCOMPARE(MessageBox::shownCount(), 2);
    QCOMPARE(LoadQuizLines(path)[0], "Caf\xC3\xA9\xE2\x86\x92");
    MessageBox::resetSeam();
}

void TestEditor::answerFieldsSayWhomTheyVoteFor_data()
{
    QTest::addColumn<QString>("name"); // typed as the name for answer B; null: none typed
    QTest::addColumn<QString>("description");
    QTest::newRow("as loaded") << QString() << "votes for Dorv";
    QTest::newRow("renamed") << "Zed"
                             << "votes for Zed";
    QTest::newRow("blank") << " "
                           << "votes for (no name yet)";
}

// A screen reader does not read the name beside an answer's field: its description says it.
void TestEditor::answerFieldsSayWhomTheyVoteFor()
{
    QFETCH(QString, name);
    QFETCH(QString, description);
    if (!name.isNull())
        replaceText("Name for answer B", name);
    for (const char *answer : { "Question 1, answer B", "Question 20, answer B" })
        QCOMPARE(field(answer)->accessibleDescription(), description);
    QCOMPARE(field("Question 1, answer C")->accessibleDescription(), "votes for Oro");
}

// Ctrl+E in the main window opens the editor on the quiz being taken; Try it starts the edited
// quiz at question 1 with a new vote and writes nothing, and a restart replays it.
void TestEditor::tryItShowsTheEditedQuestionOne()
{
    editor.reset();
    QVERIFY(QDir::setCurrent(MATCHMAKER_DATA_DIR));
    ScratchSettings settings;
    QStringList announced;
    Announcer::setRecorder(
        [&](const QString &title, const QString &text) { announced << title + '\n' + text; });
    Main window;
    QuizEditors editors(&window);
    QVERIFY(window.Form_Initialize());
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Command3_Click();
    QCOMPARE(window.editQuizAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));

    QTest::keyClick(window.windowHandle(), Qt::Key_E, Qt::ControlModifier);
    auto *opened = qobject_cast<QuizEditor *>(QApplication::activeWindow());
    QVERIFY(opened);
    QCOMPARE(opened->fileName(), "episode1.qzt");
    QLineEdit *question = opened->findChildren<QLineEdit *>().at(4);
    QCOMPARE(question->accessibleName(), "Question 1");
    question->setFocus();
    question->selectAll();
    QTest::keyClicks(question, "Edited?");
    announced.clear();
    QTest::keyClick(opened->windowHandle(), Qt::Key_T, Qt::ControlModifier);

    QCOMPARE(window.Text()[0]->toPlainText(), "Edited?");
    QTRY_COMPARE(announced.size(), 1);
    QVERIFY(announced.first().startsWith("Question 1 of 20\nEdited?\nAnswer A: Race skiffs"));
    QCOMPARE(window.quiz().Tallies(), (ExtraQZT::TallyCounts {}));
    QCOMPARE(window.quiz().QuestionStart(), 5);
    QVERIFY(LoadQuizLines("episode1.qzt")[0] != "Edited?");
    MessageBox::setNextAnswer(Answer::Ok);
    for (int i = 0; i < 20; ++i)
        window.Command2_Click();
    QCOMPARE(window.Text()[0]->toPlainText(), "Edited?");
    QTest::keyClick(window.windowHandle(), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(qobject_cast<QuizEditor *>(QApplication::activeWindow()), opened);
    MessageBox::resetSeam();
}

// The editor a quiz was tried from is the one Ctrl+E brings back, not a second one.
void TestEditor::ctrlEBringsBackTheTriedEditor()
{
    ScratchSettings settings;
    editor.reset();
    QuizEditors editors; // as with --edit: no main window until a quiz is tried
    QuizEditor *tried = editors.newEditor();
    QVERIFY(tried->openFile(QString::fromStdString(path)));
    tried->show();
    QVERIFY(QTest::qWaitForWindowActive(tried));

    QTest::keyClick(tried->windowHandle(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY(editors.mainWindow() && QTest::qWaitForWindowActive(editors.mainWindow()));
    QTest::keyClick(editors.mainWindow()->windowHandle(), Qt::Key_E, Qt::ControlModifier);

    QCOMPARE(QApplication::activeWindow(), tried);
    const auto windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *widget) { return qobject_cast<QuizEditor *>(widget); }),
             1);
}

// Export as Web Page publishes the quiz as it stands, unsaved edits included, and says where.
void TestEditor::exportsTheQuizAsItStands()
{
    replaceText("Question 1", "Unsaved </script>?");
    const QString folder = QString::fromStdString(dir->filePath("web"));
    OpenDialog::setNextFileName(folder);
    MessageBox::setNextAnswer(Answer::Ok);

    editor->findChild<QAction *>("actionExportWeb")->trigger();

    QVERIFY2(MessageBox::lastText().contains(folder + "/index.html"), qPrintable(MessageBox::lastText()));
    QFile data(folder + "/quizzes.js");
    QVERIFY(data.open(QIODevice::ReadOnly));
    const QByteArray written = data.readAll();
    QVERIFY(written.contains(R"("name":"quiz.qzt")"));
    QVERIFY(written.contains(R"("Unsaved \u003c/script\u003e?")"));
    QVERIFY(editor->isWindowModified());
    QCOMPARE(fileBytes(), TempQuizDir::quizBytes());
    MessageBox::resetSeam();
}

// Export as One Web Page File writes the quiz as it stands into the one file chosen.
void TestEditor::exportsTheQuizAsOneFile()
{
    replaceText("Question 1", "Unsaved </script>?");
    const QString page = QString::fromStdString(dir->filePath("quiz.html"));
    OpenDialog::setNextFileName(page);
    MessageBox::setNextAnswer(Answer::Ok);

    editor->findChild<QAction *>("actionExportWebFile")->trigger();

    QVERIFY2(MessageBox::lastText().contains("one web page file: open \"" + page + '"'),
             qPrintable(MessageBox::lastText()));
    QFile written(page);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains(R"("Unsaved \u003c/script\u003e?")"));
    QVERIFY(editor->isWindowModified());
    MessageBox::resetSeam();
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
