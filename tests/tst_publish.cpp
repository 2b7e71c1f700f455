// SPDX-License-Identifier: MIT
#include "PageTexts.h"
#include "ScriptData.h"
#include "TestFiles.h"
#include "TextDecoder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

// The web export's data: what the page is given of a quiz, and the texts it shows.
class TestPublish : public QObject
{
    Q_OBJECT

private slots:
    void quizDataCannotBreakOut_data();
    void quizDataCannotBreakOut();
    void everyPageTextIsTranslated();
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
    const QByteArray script = ScriptData::assignment(
        "MatchMakerQuizzes",
        { { "quizzes", QJsonArray { ScriptData::quiz(QString::fromUtf8(line), lines, {}, {}) } } });

    for (const char byte : script)
        QVERIFY2(static_cast<unsigned char>(byte) < 0x80 && byte != '<' && byte != '>' && byte != '&',
                 script.constData());
    const QJsonObject quiz = assigned(script, "MatchMakerQuizzes")["quizzes"].toArray().first().toObject();
    QCOMPARE(quiz["lines"].toArray().size(), qsizetype(QuizLineCount));
    QCOMPARE(quiz["lines"].toArray().last().toString(), TextDecoder::decode(line.toStdString()));
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

QTEST_GUILESS_MAIN(TestPublish)
#include "tst_publish.moc"
