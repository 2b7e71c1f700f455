// SPDX-License-Identifier: MIT
#include "Base64.h"
#include "PageData.h"
#include "PageTexts.h"
#include "Sha256.h"
#include "SinglePage.h"
#include "TestFiles.h"
#include "TextDecoder.h"
#include "WebExport.h"

#include <QCryptographicHash>
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
    void singleFileAllowsOnlyWhatItHolds();
    void singleFileReplacesOnlyItsOwn_data();
    void singleFileReplacesOnlyItsOwn();
    void hashesAndBase64MatchKnownVectors_data();
    void hashesAndBase64MatchKnownVectors();
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

QuizText namedQuiz(const std::string &text)
{
    QuizText lines;
    lines.fill(text);
    const char *const names[] = { "Kest", "Dorv", "Oro", "Bexal" };
    std::copy(std::begin(names), std::end(names), lines.begin() + QuizNameLine);
    return lines;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toBase64();
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
    std::string written;
    PageData::write("{}", { {}, {}, {}, line.toStdString(), {} }, { { line.toStdString(), &lines, {}, {} } },
                    [&](std::string_view part) { written += part; });
    // The texts' assignment comes first, on a line of its own.
    const QByteArray script = QByteArray::fromStdString(written.substr(written.find('\n') + 1));

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

// The one file's policy allows its one script and its one style by their hashes and nothing inline
// besides: a second script, an inline handler or a picture from outside fails here.
void TestPublish::singleFileAllowsOnlyWhatItHolds()
{
    QTemporaryDir data;
    QFile::copy(QStringLiteral(MATCHMAKER_DATA_DIR "/1.jpg"), data.filePath("1.jpg"));
    QFile::copy(QStringLiteral(MATCHMAKER_DATA_DIR "/kestsound.wav"), data.filePath("kestsound.wav"));
    const QString out = data.filePath("quiz.html");
    const auto result
        = WebExport::writeSingleFile(out, { { "quiz", namedQuiz("</script><b onclick=x>") } },
                                     { data.path(), MATCHMAKER_CATALOGUE_DIR, "matchmaker" }, {});
    QCOMPARE(result.error, QString());
    QCOMPARE(result.indexPath, out);
    const QByteArray page = readAll(out);

    const QRegularExpression scripts(R"(<script([^>]*)>(.*?)</script>)",
                                     QRegularExpression::DotMatchesEverythingOption);
    QStringList executed;
    QString markup = QString::fromUtf8(page);
    for (const auto &match : scripts.globalMatch(QString::fromUtf8(page))) {
        if (match.captured(1) != R"( id="media" type="application/json")")
            executed << match.captured(2);
        markup.remove(match.captured(0));
    }
    QCOMPARE(executed.size(), 1);
    const QRegularExpression styles(R"(<style>(.*?)</style>)",
                                    QRegularExpression::DotMatchesEverythingOption);
    QCOMPARE(page.count("<style"), 1);
    const QString style = styles.match(markup).captured(1);
    const QString policy = QRegularExpression(R"re(http-equiv="Content-Security-Policy" content="([^"]*)")re")
                               .match(markup)
                               .captured(1);
    QCOMPARE(policy,
             QString::fromStdString(SinglePage::policy(hashOf(executed[0].toUtf8()).toStdString(),
                                                       hashOf(style.toUtf8()).toStdString())));
    QVERIFY(!policy.contains("unsafe"));
    markup.remove(style);
    QVERIFY2(
        !markup.contains(QRegularExpression(R"(\son[a-z]+\s*=)", QRegularExpression::CaseInsensitiveOption)),
        qPrintable(markup));
    QVERIFY2(!markup.contains(QRegularExpression(R"re(\s(src|href)="(?!data:))re")), qPrintable(markup));
    QVERIFY(page.contains(SinglePage::Marker.data()));
    QVERIFY(page.contains("\"kestsound.wav\":\"data:audio/wav;base64,"));
    QVERIFY(page.contains("[\"data:image/jpeg;base64,"));
}

void TestPublish::singleFileReplacesOnlyItsOwn_data()
{
    QTest::addColumn<QString>("kind"); // what OUT.html is before the export
    QTest::addColumn<QString>("error");
    QTest::newRow("missing") << "missing" << QString();
    QTest::newRow("ours") << "ours" << QString();
    QTest::newRow("another file") << "other"
                                  << "it is not a page this program wrote as one file; give a new name, or "
                                     "the file of an earlier export.";
    QTest::newRow("link to ours") << "link"
                                  << "it is a link; give the file itself, or a new name.";
    QTest::newRow("folder") << "folder"
                            << "it is a folder, not a file.";
}

// OUT.html is written when missing and replaced when this program wrote it; anything else stays as
// it was, with no file left beside it.
void TestPublish::singleFileReplacesOnlyItsOwn()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    QTemporaryDir scratch;
    const QString out = scratch.filePath("quiz.html");
    const QByteArray ours = "<!DOCTYPE html>\n" + QByteArray(SinglePage::Marker.data()) + "\nearlier";
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    if (kind == "ours")
        QVERIFY(write(out, ours));
    if (kind == "other")
        QVERIFY(write(out, "<p>someone's page</p>"));
    if (kind == "link")
        QVERIFY(write(scratch.filePath("real.html"), ours)
                && QFile::link(scratch.filePath("real.html"), out));
    if (kind == "folder")
        QVERIFY(QDir().mkdir(out));
    const QStringList before = QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    const auto result = WebExport::writeSingleFile(
        out, { { "quiz", namedQuiz("Q") } }, { scratch.path(), MATCHMAKER_CATALOGUE_DIR, "matchmaker" }, {});

    if (error.isEmpty()) {
        QCOMPARE(result.error, QString());
        QVERIFY(readAll(out).contains("window.MatchMakerQuizzes"));
        return;
    }
    QCOMPARE(result.error, QStringLiteral("Cannot publish the web page as \"%1\": %2").arg(out, error));
    QCOMPARE(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
    if (kind == "link")
        QCOMPARE(readAll(scratch.filePath("real.html")), ours);
}

void TestPublish::hashesAndBase64MatchKnownVectors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("sha256"); // hex
    QTest::addColumn<QByteArray>("base64");
    QTest::newRow("empty") << QByteArray()
                           << QByteArray("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855")
                           << QByteArray();
    QTest::newRow("abc") << QByteArray("abc")
                         << QByteArray("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad")
                         << QByteArray("YWJj");
    QTest::newRow("two blocks")
        << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
        << QByteArray("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1")
        << QByteArray("YWJjZGJjZGVjZGVmZGVmZ2VmZ2hmZ2hpZ2hpamhpamtpamtsamtsbWtsbW5sbW5vbW5vcG5vcHE=");
    QTest::newRow("one padding") << QByteArray("fooba") << QByteArray() << QByteArray("Zm9vYmE=");
    QTest::newRow("bytes above 127") << QByteArray("\xff\xfe\x00\x80", 4) << QByteArray()
                                     << QByteArray("//4AgA==");
}

// SHA-256 (FIPS 180-4's examples) and base64 (RFC 4648's) of pagewriter; where no digest is given,
// Qt's is the reference.
void TestPublish::hashesAndBase64MatchKnownVectors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, sha256);
    QFETCH(QByteArray, base64);
    const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
    const Sha256::Digest digest = Sha256::of(view);
    const QByteArray ours(reinterpret_cast<const char *>(digest.data()), qsizetype(digest.size()));
    QCOMPARE(ours, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
    if (!sha256.isEmpty())
        QCOMPARE(ours.toHex(), sha256);
    QCOMPARE(QByteArray::fromStdString(Base64::encode(view)), base64);
    Sha256 parts;
    for (const char byte : bytes)
        parts.add(std::string_view(&byte, 1));
    QCOMPARE(parts.finish(), digest);
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
