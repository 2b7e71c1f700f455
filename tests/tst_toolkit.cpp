// SPDX-License-Identifier: MIT
#include "MessageBox.h"
#include "OpenDialog.h"
#include "PlainText.h"
#include "Settings.h"
#include "ShellOpener.h"
#include "SoundPlayer.h"
#include "TestSeams.h"
#include "Twips.h"

#include <QAccessible>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include <sys/stat.h>

class TestToolkit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void openDialogFilter_data();
    void openDialogFilter();
    void twipsRoundToNearestPixel_data();
    void twipsRoundToNearestPixel();
    void hostileTextStaysPlain_data();
    void hostileTextStaysPlain();
    void clipLimits_data();
    void clipLimits();
    void shellOpenerSortsTargets_data();
    void shellOpenerSortsTargets();
    void copyingAMessageBox_data();
    void copyingAMessageBox();
    void detailsAreReachedWithTab();
    void soundSwitchedOffLoadsNothing();
    void settingsFile_data();
    void settingsFile();
};

namespace {

const QString MailTarget = QStringLiteral("mailto:matchmaker@brindlecast.example");

} // namespace

void TestToolkit::init()
{
    TestSeams::reset();
}

void TestToolkit::openDialogFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("quiz") << "Qzt Files  (*.QZT)|*.QZT" << QStringList { "Qzt Files  (*.QZT)" };
    QTest::newRow("pattern appended") << "Text|*.txt|All|*.*" << QStringList { "Text (*.txt)", "All (*.*)" };
    QTest::newRow("dangling description") << "Quiz|*.qzt|Odd" << QStringList { "Quiz (*.qzt)" };
}

void TestToolkit::openDialogFilter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    OpenDialog dialog;
    dialog.setFilter(filter);
    QCOMPARE(dialog.nameFilters(), shown);
}

void TestToolkit::twipsRoundToNearestPixel_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("7") << 7 << 0;
    QTest::newRow("8") << 8 << 1;
    QTest::newRow("500") << 500 << 33;
    QTest::newRow("9630") << 9630 << 642;
    QTest::newRow("10000") << 10000 << 667;
    QTest::newRow("-500") << -500 << -33;
}

void TestToolkit::twipsRoundToNearestPixel()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(Twips::toPixels(twips), pixels);
}

void TestToolkit::hostileTextStaysPlain_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("terminal");

    const auto same = [](const char *text) { return QString::fromUtf8(text); };
    for (const char *markup :
         { "<b>Kest</b>", "<font color=red size=7>BIG.QZT</font>", "<img src=\"/dev/zero\">",
           "<img src=7.jpg width=2000 height=2000>", "<a href=\"file:///etc/passwd\">Kest</a>",
           "<qt>&lt;not an entity&gt;</qt>", "Plain Kest" })
        QTest::newRow(markup) << same(markup) << same(markup);
    QTest::newRow("escape sequence") << same("\x1b[2J\x1b]0;owned\x07Kest")
                                     << same(R"(\x1b[2J\x1b]0;owned\x07Kest)");
    QTest::newRow("NUL") << QString::fromUtf8("cut\0here", 8) << same("cut\\x00here");
    QTest::newRow("C1 and DEL") << QString(QChar(0x9B)) + "31m" + QChar(0x7F) << same("\\x9b31m\\x7f");
}

// Quiz text and file names come back exactly as typed wherever they are shown: in a message box
// (queued or real), in a tooltip, and on a terminal where control characters are escaped.
void TestToolkit::hostileTextStaysPlain()
{
    QFETCH(QString, text);
    QFETCH(QString, terminal);
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    MessageBox::show(nullptr, text, text, MessageBox::Buttons::Ok, text);
    QCOMPARE(MessageBox::lastText(), text);
    QCOMPARE(MessageBox::lastDetails(), text);

    QString shown;
    QString details;
    Qt::TextFormat format = Qt::AutoText;
    int width = 0;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        details = box->findChild<QTextEdit *>()->toPlainText();
        format = box->textFormat();
        width = box->sizeHint().width();
        box->accept();
    });
    MessageBox::show(nullptr, QStringLiteral("Your results!"), text, MessageBox::Buttons::OkCancel, text);
    QCOMPARE(shown, text);
    QCOMPARE(details, text);
    QCOMPARE(format, Qt::PlainText);
    QVERIFY2(width < 1000, qPrintable(QString::number(width)));

    QTextDocument toolTip;
    toolTip.setHtml(PlainText::toolTip(text));
    QCOMPARE(Qt::mightBeRichText(PlainText::toolTip(text)) ? toolTip.toPlainText() : PlainText::toolTip(text),
             text);
    QCOMPARE(PlainText::forTerminal(text), terminal);
}

void TestToolkit::clipLimits_data()
{
    QTest::addColumn<QByteArray>("header"); // empty: a sparse file of 2 GiB
    QTest::addColumn<qint64>("soundBytes");
    QTest::addColumn<QString>("problem"); // empty: the clip is played

    const auto wav = [](quint32 rate, quint16 bits, quint32 dataBytes) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out.writeRawData("RIFF", 4);
        out << quint32(36 + dataBytes);
        out.writeRawData("WAVEfmt ", 8);
        out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * bits / 8)
            << quint16(bits / 8) << bits;
        out.writeRawData("data", 4);
        out << dataBytes;
        return bytes;
    };
    QTest::newRow("two seconds") << wav(22050, 16, 88200) << qint64(88200) << "";
    QTest::newRow("thirty seconds") << wav(8000, 8, 240000) << qint64(240000) << "";
    QTest::newRow("thirty-one seconds")
        << wav(8000, 8, 248000) << qint64(248000) << "longer than the 30 seconds";
    QTest::newRow("sparse 2 GiB") << QByteArray() << qint64(0) << "more than the 8 MiB";
    QTest::newRow("claims more than it holds") << wav(8000, 8, 0x7FFFFFFF) << qint64(8000) << "";
    QTest::newRow("not a clip") << QByteArray("just some text") << qint64(0) << "not a WAV sound clip";
}

// A clip beyond the limits never reaches the audio stack; it is named once on standard error.
void TestToolkit::clipLimits()
{
    QFETCH(QByteArray, header);
    QFETCH(qint64, soundBytes);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    QFile clip(dir.filePath("kestsound.wav"));
    QVERIFY(clip.open(QIODevice::WriteOnly));
    clip.write(header);
    QVERIFY(clip.resize(header.isEmpty() ? qint64(2) << 30 : header.size() + soundBytes));
    clip.close();
    QStringList played;
    SoundPlayer::setRecorder([&](const QString &name) { played << name; });
    if (!problem.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kestsound.wav.*" + problem));

    SoundPlayer player;
    player.play(clip.fileName());

    QCOMPARE(played, problem.isEmpty() ? QStringList { clip.fileName() } : QStringList());
}

void TestToolkit::shellOpenerSortsTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("handedOver");
    QTest::newRow("mail address") << MailTarget << 0 << true;
    QTest::newRow("relative document") << "<document>" << 0 << true;
    QTest::newRow("blank") << "  " << 1 << false;
    QTest::newRow("bad host") << "http://exa mple.com/" << 2 << false;
    QTest::newRow("drive, not a scheme") << "C:/no/such/quiz.qzt" << 3 << false;
    QTest::newRow("missing file address") << "file:///no/such/quiz.qzt" << 3 << false;
}

void TestToolkit::shellOpenerSortsTargets()
{
    QFETCH(QString, target);
    QFETCH(int, error);
    QFETCH(bool, handedOver);
    QList<QUrl> opened;
    ShellOpener::setRecorder([&](const QUrl &url) {
        opened << url;
        return true;
    });
    QTemporaryFile document(QStringLiteral("XXXXXX.qzt")); // in the working directory
    QVERIFY(document.open());
    const QFileInfo documentFile(document);
    if (target == "<document>")
        target = documentFile.fileName();

    const ShellOpener::Result result = ShellOpener::open(target);

    QCOMPARE(int(result.error), error);
    QCOMPARE(result.description.isEmpty(), error == 0);
    const QUrl expected
        = target == MailTarget ? QUrl(MailTarget) : QUrl::fromLocalFile(documentFile.absoluteFilePath());
    QCOMPARE(opened, handedOver ? QList<QUrl> { expected } : QList<QUrl>());
}

void TestToolkit::copyingAMessageBox_data()
{
    QTest::addColumn<int>("selected"); // characters selected at the start of the details
    QTest::addColumn<QString>("copied");
    QTest::newRow("nothing selected") << 0 << "Your results!\n\nThe prompt\n\nKest: 6\nDorv: 2";
    QTest::newRow("part of the details selected") << 4 << "Kest";
}

// Ctrl+C in a real box, with the focus where the box puts it: on its default button.
void TestToolkit::copyingAMessageBox()
{
    QFETCH(int, selected);
    QFETCH(QString, copied);
    QGuiApplication::clipboard()->clear();
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        auto *details = box->findChild<QTextEdit *>();
        QTextCursor cursor = details->textCursor();
        cursor.setPosition(selected, QTextCursor::KeepAnchor);
        details->setTextCursor(cursor);
        QTest::keyClick(box->defaultButton(), Qt::Key_C, Qt::ControlModifier);
        box->accept();
    });

    MessageBox::show(nullptr, "Your results!", "The prompt", MessageBox::Buttons::OkCancel,
                     "Kest: 6\nDorv: 2");

    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

// Once shown, the details are reached with Tab, and a screen reader is given all of them there.
void TestToolkit::detailsAreReachedWithTab()
{
    QStringList reached; // what a screen reader is told of each control Tab reaches
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box && QTest::qWaitForWindowActive(box));
        for (auto *button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::ActionRole) // Show Details...
                QTest::keyClick(button, Qt::Key_Space);
        }
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const auto *reader = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            reached << reader->text(QAccessible::Name) + ": " + reader->text(QAccessible::Description);
        }
        box->accept();
    });

    MessageBox::show(nullptr, "Your results!", "The prompt", MessageBox::Buttons::OkCancel,
                     "Kest: 6\nDorv: 2");

    QVERIFY2(reached.contains("Details: Kest: 6\nDorv: 2"), qPrintable(reached.join(" | ")));
}

void TestToolkit::soundSwitchedOffLoadsNothing()
{
    QStringList played;
    SoundPlayer player;
    player.setEnabled(false);
    SoundPlayer::setRecorder([&](const QString &name) { played << name; });
    player.play(MATCHMAKER_DATA_DIR "/kestsound.wav");
    player.prepare();

    QVERIFY(played.isEmpty());
    QVERIFY(!player.isPrepared());
}

void TestToolkit::settingsFile_data()
{
    QTest::addColumn<QString>("kind"); // what is where the file should be
    QTest::addColumn<bool>("read");    // with true as the default
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QStringList>("warnings"); // one a run of two

    const QString notUsed = "the defaults are used and the file is left as it is";
    QTest::newRow("a stored choice") << "file" << false << true << QStringList();
    QTest::newRow("a folder") << "folder" << true << false
                              << QStringList { "is not a regular file; " + notUsed, "is not a regular file" };
    QTest::newRow("a FIFO") << "fifo" << true << false
                            << QStringList { "is not a regular file", "is not a regular file" };
    QTest::newRow("10 MB") << "huge" << true << false
                           << QStringList { "is larger than 64 KiB; " + notUsed, "is larger than 64 KiB" };
    QTest::newRow("garbage") << "garbage" << true << false
                             << QStringList { "does not hold settings; " + notUsed,
                                              "does not hold settings" };
    QTest::newRow("garbage holding =")
        << "garbage holding =" << true << false
        << QStringList { "does not hold settings; " + notUsed, "does not hold settings" };
    QTest::newRow("unreadable") << "unreadable" << true << false
                                << QStringList { "cannot be read", "cannot be read" };
    // Nobody, not even root, may make a file in /proc. The second run, being in the same process,
    // finds the unsaved value still pending in QSettings.
    QTest::newRow("a folder nobody may write")
        << "/proc" << true << false
        << QStringList { "cannot be written; the choices of this run are not kept", "cannot be used" };
}

// A choice stored by one run is read by the next; a file that cannot be used gives the defaults,
// loses nothing it holds and cannot hang or bloat the start.
void TestToolkit::settingsFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, read);
    QFETCH(bool, stored);
    QFETCH(QStringList, warnings);
    QTemporaryDir dir;
    Settings::setFolderForTesting(kind == "/proc" ? kind : dir.path());
    QFile file(Settings::fileName());
    QByteArray content = "[General]\nsound=false\nother=1\n";
    if (kind == "huge")
        content += QByteArray(qsizetype { 10 } * 1024 * 1024, 'x');
    if (kind == "garbage")
        content = "\x01\x02[[[\nsound\n=zz\n[General]\nsound=false\n";
    if (kind == "garbage holding =")
        content = QByteArray("\x00\xff[[[=", 6);
    if (kind == "folder")
        QVERIFY(QDir().mkpath(file.fileName()));
    else if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(file.fileName()).constData(), 0600), 0);
    else if (kind != "/proc")
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    if (kind == "unreadable"
        && (!file.setPermissions(QFileDevice::WriteOwner) || QFileInfo(file).isReadable()))
        QSKIP("Every file is readable to this user");
    for (const QString &warning : warnings)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The settings file \".*\" " + warning));

    Settings settings;
    QCOMPARE(settings.readBool("sound", true), read);
    QCOMPARE(settings.writeBool("moveBanner", false), stored);
    const Settings nextRun;
    Settings::setFolderForTesting(QString());

    QCOMPARE(nextRun.readBool("moveBanner", true), !stored);
    QCOMPARE(nextRun.readBool("sound", true), read);
    if (kind == "fifo")
        QVERIFY(QFileInfo(file).isSymLink() || !QFileInfo(file).isFile());
    if (kind == "unreadable" || kind == "huge" || kind.startsWith("garbage")) {
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner) && file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

QTEST_MAIN(TestToolkit)

#include "tst_toolkit.moc"
