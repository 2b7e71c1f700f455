// SPDX-License-Identifier: MIT
#include "ResultTexts.h"
#include "StudioTexts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

// The studio's words as studio-texts.js holds them: every message the engine can give the studio,
// each one translated, and the plural forms the studio picks by count.
class TestStudioTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void holdsEveryMessageOfTheEngine();
    void translatesEveryText_data();
    void translatesEveryText();
    void pluralFormsByCount_data();
    void pluralFormsByCount();

private:
    QJsonObject tables;
};

namespace {

// The sources of one context of a catalogue.
QSet<QString> sourcesOf(const QString &catalogue, const QString &context)
{
    QFile file(catalogue);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QSet<QString> sources;
    QString current;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            current = xml.readElementText();
        else if (xml.name() == QLatin1String("source") && current == context)
            sources.insert(xml.readElementText());
    }
    return sources;
}

} // namespace

void TestStudioTexts::initTestCase()
{
    const QByteArray script = StudioTexts::script(MATCHMAKER_CATALOGUE_DIR, QStringLiteral("matchmaker"));
    const QByteArray start = "window.StudioTexts = ";
    QVERIFY(script.startsWith(start) && script.endsWith(";\n"));
    const QByteArray json = script.mid(start.size(), script.size() - start.size() - 2);
    QJsonParseError error;
    tables = QJsonDocument::fromJson(json, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
}

// A message added to the engine must reach the studio's table, or the studio shows it in English.
void TestStudioTexts::holdsEveryMessageOfTheEngine()
{
    // The results' words are the player's; a missing file, a folder or a device never reaches the
    // studio, which reads the bytes the browser gives it.
    QSet<QString> notTheStudios {
        "the file does not exist.",
        "it is a folder, not a quiz file.",
        "it is not a regular file.",
    };
    for (const char *result :
         { ResultTexts::Title, ResultTexts::Prompt, ResultTexts::NoWinnerPrompt, ResultTexts::Detail,
           ResultTexts::Ties[2], ResultTexts::Ties[3], ResultTexts::Ties[4] })
        notTheStudios.insert(QString::fromUtf8(result));
    const QSet<QString> engine
        = sourcesOf(MATCHMAKER_TRANSLATIONS_DIR "/matchmaker_de.ts", QStringLiteral("Quiz"));
    QVERIFY(engine.size() > notTheStudios.size());
    QSet<QString> keys;
    for (const QJsonValue key : tables["keys"].toArray())
        keys.insert(key.toString());
    for (const QString &message : engine - notTheStudios)
        QVERIFY2(keys.contains(message), qPrintable(message));
}

void TestStudioTexts::translatesEveryText_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
}

void TestStudioTexts::translatesEveryText()
{
    QFETCH(QString, language);
    const QJsonArray keys = tables["keys"].toArray();
    const QJsonArray words = tables[language].toArray();
    QCOMPARE(words.size(), keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i)
        QVERIFY2(!words[i].toString().isEmpty(), qPrintable(keys[i].toString()));
}

void TestStudioTexts::pluralFormsByCount_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("forms");
    QTest::newRow("English errors") << "en"
                                    << "%n error(s)" << QStringList { "%n errors", "%n error", "%n errors" };
    QTest::newRow("German warnings") << "de"
                                     << "%n warning(s)"
                                     << QStringList { "%n Warnungen", "%n Warnung", "%n Warnungen" };
    // French counts nothing as one.
    QTest::newRow("French errors") << "fr"
                                   << "%n error(s)" << QStringList { "%n erreur", "%n erreur", "%n erreurs" };
}

void TestStudioTexts::pluralFormsByCount()
{
    QFETCH(QString, language);
    QFETCH(QString, source);
    QFETCH(QStringList, forms);
    const QJsonObject plurals = tables["plurals"].toObject();
    const qsizetype at = plurals["keys"].toArray().toVariantList().indexOf(source);
    QVERIFY(at >= 0);
    QCOMPARE(plurals[language].toArray()[at].toArray().toVariantList(), QVariant(forms).toList());
}

QTEST_GUILESS_MAIN(TestStudioTexts)
#include "tst_studiotexts.moc"
