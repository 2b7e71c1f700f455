// SPDX-License-Identifier: MIT
#include "PageTexts.h"
#include "ScriptData.h"
#include "TestFiles.h"
#include "TextDecoder.h"
#include "WebExport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>

// The web export's data: what the page is given of a quiz, and the texts it shows.
class TestPublish : public QObject
{
    Q_OBJECT

private slots:
    void quizDataCannotBreakOut_data();
    void quizDataCannotBreakOut();
    void everyPageTextIsTranslated();
    void leavesOutWhatIsNotAFile_data();
    void leavesOutWhatIsNotAFile();
    void copiesClipsWhole();
    void developmentPageHasThePagesBody();
};

namespace {

// The JSON of "window.NAME = JSON;\n".
QJsonObject assigned(const QByteArray &script, const char *name)
{
    const QByteArray start = QByteArray("window.") + name + " = ";
    if (!script.startsWith(start) || !script.endsWith(";\n"))
        return {};
    return QJsonDocument::fromJson(script.mid(start.size(), script.size() - start.size() - 2)).object();
}

} // namespace

void TestPublish::quizDataCannotBreakOut_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("end of script") << QByteArray("</script><script>alert(1)</script>");
    QTest::newRow("comment") << QByteArray("<!-- x --> ]]>");
    QTest::newRow("line separators") << QByteArray("a\xE2\x80\xA8"
                                                   "b\xE2\x80\xA9"
                                                   "c");
    QTest::newRow("quotes and escapes") << QByteArray(R"("\"'`${x}\u2028)");
    QTest::newRow("controls") << QByteArray("\x01\x1b[2J\x7f", 6);
    QTest::newRow("windows-1252") << QByteArray("caf\xE9 \x93quoted\x94 \x80");
    QTest::newRow("direction controls") << QByteArray("\xE2\x80\xAEgnp.exe");
    QTest::newRow("astral") << QByteArray("\xF0\x9F\x8E\x88 balloon");
}

// Whatever a quiz line holds, the data file is plain ASCII with no <, > or &, so it cannot end
// its script or start markup, and it reads back as the text the window shows.
void TestPublish::quizDataCannotBreakOut()
{
    QFETCH(QByteArray, line);
    QuizText lines;
    lines.fill(line.toStdString());
    QByteArray script;
    ScriptData::assignment(
        "MatchMakerQuizzes", { { "web", QString::fromUtf8(line) } },
        { "quizzes", 1,
          [&](std::size_t) { return ScriptData::quiz(QString::fromUtf8(line), lines, {}, {}); } },
        [&](const QByteArray &part) { script += part; });

    for (const char byte : script)
        QVERIFY2(static_cast<unsigned char>(byte) < 0x80 && byte != '<' && byte != '>' && byte != '&',
                 script.constData());
    const QJsonObject quiz = assigned(script, "MatchMakerQuizzes")["quizzes"].toArray().first().toObject();
    QCOMPARE(quiz["lines"].toArray().size(), qsizetype(QuizLineCount));
    QCOMPARE(quiz["lines"].toArray().last().toString(), TextDecoder::decode(line.toStdString()));
    QCOMPARE(assigned(script, "MatchMakerQuizzes")["web"].toString(), QString::fromUtf8(line));
    QCOMPARE(quiz["clips"].toArray(),
             (QJsonArray { QJsonValue(), QJsonValue(), QJsonValue(), QJsonValue() }));
}

// Every text the page's scripts look up (T('...')) is in the list the export translates, and both
// catalogues translate every one of them.
void TestPublish::everyPageTextIsTranslated()
{
    QStringList listed;
    for (const PageTexts::Text &text : PageTexts::all())
        listed << QString::fromUtf8(text.source);
    const QRegularExpression lookup(R"(\bT\('((?:\\.|[^'\\])*)'\))");
    QStringList used;
    const QDir web(QStringLiteral(MATCHMAKER_WEB_DIR));
    for (const QString &script : web.entryList({ QStringLiteral("*.js") })) {
        QFile file(web.filePath(script));
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const auto &match : lookup.globalMatch(QString::fromUtf8(file.readAll())))
            used << match.captured(1).replace(QStringLiteral("\\'"), QStringLiteral("'"));
    }
    QVERIFY(!used.isEmpty());
    for (const QString &text : used)
        QVERIFY2(listed.contains(text), qPrintable(text));

    const QJsonObject tables = PageTexts::tables(MATCHMAKER_CATALOGUE_DIR, QStringLiteral("matchmaker"));
    QCOMPARE(tables["keys"].toArray().toVariantList(), QVariant(listed).toList());
    for (const char *language : { "de", "fr" }) {
        const QJsonArray table = tables[language].toArray();
        for (qsizetype i = 0; i < listed.size(); ++i)
            QVERIFY2(!table[i].toString().isEmpty(),
                     qPrintable(QStringLiteral("%1: %2").arg(language, listed[i])));
    }
}

void TestPublish::leavesOutWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind"); // "fifo" or "folder"
    QTest::addColumn<QString>("warning");

    const QString clip
        = "Cannot use the sound clip \"kestsound.wav\" (%1): it is %2; its result stays silent";
    const QString picture = "Cannot use the banner picture \"1.jpg\" (%1): it is %2";
    QTest::newRow("FIFO as a clip") << "kestsound.wav"
                                    << "fifo" << clip.arg("%1", "not a regular file");
    QTest::newRow("FIFO as a picture") << "1.jpg"
                                       << "fifo" << picture.arg("%1", "not a regular file");
    QTest::newRow("folder as a clip") << "kestsound.wav"
                                      << "folder" << clip.arg("%1", "a folder, not a file");
}

// A FIFO or a folder named like a clip or a banner picture is left out with a warning, as a missing
// file is, and the export never waits for a FIFO's writer.
void TestPublish::leavesOutWhatIsNotAFile()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QString, warning);
    QTemporaryDir data;
    const QString path = data.filePath(file);
    QVERIFY(kind == "fifo" ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : QDir().mkdir(path));
    QuizText lines;
    lines.fill("Q");
    const char *const names[] = { "Kest", "Dorv", "Oro", "Bexal" };
    std::copy(std::begin(names), std::end(names), lines.begin() + QuizNameLine);

    const auto result = WebExport::write(data.filePath("site"), { { "quiz", lines } },
                                         { data.path(), MATCHMAKER_CATALOGUE_DIR, "matchmaker" });

    QCOMPARE(result.error, QString());
    QVERIFY2(result.warnings.contains(warning.arg(path)), qPrintable(result.warnings.join('\n')));
    QVERIFY(!QFileInfo::exists(data.filePath("site/clips/" + file)));
    QVERIFY(!QFileInfo::exists(data.filePath("site/pictures/" + file)));
}

// The clips the page plays are the data folder's files byte for byte, header included.
void TestPublish::copiesClipsWhole()
{
    QTemporaryDir site;
    QuizText lines;
    lines.fill("Q");
    const char *const names[] = { "Kest", "Dorv", "Oro", "Bexal" };
    std::copy(std::begin(names), std::end(names), lines.begin() + QuizNameLine);

    const auto result = WebExport::write(site.filePath("site"), { { "quiz", lines } },
                                         { MATCHMAKER_DATA_DIR, MATCHMAKER_CATALOGUE_DIR, "matchmaker" });

    QCOMPARE(result.error, QString());
    for (const char *clip : { "kestsound.wav", "dorvsound.wav", "orosound.wav", "bexalsound.wav" }) {
        QFile source(QDir(MATCHMAKER_DATA_DIR).filePath(clip));
        QFile copy(site.filePath(QStringLiteral("site/clips/") + clip));
        QVERIFY(source.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
        QVERIFY2(copy.readAll() == source.readAll(), clip);
    }
}

// The development page loads the parts one by one; the rest of it is the page, so that what a
// newcomer works on is what the export publishes.
void TestPublish::developmentPageHasThePagesBody()
{
    const auto body = [](const char *page) {
        QFile file(QStringLiteral(MATCHMAKER_WEB_DIR "/") + page);
        const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return text.mid(text.indexOf("<body>"));
    };
    QByteArray development = body("dev.html");
    development.replace("../../assets/scrollpic.jpg", "pictures/scrollpic.jpg")
        .replace("../../assets/image1.gif", "pictures/logo.png");
    QVERIFY(!development.isEmpty());
    QCOMPARE(development, body("index.html"));
}

QTEST_GUILESS_MAIN(TestPublish)
#include "tst_publish.moc"
