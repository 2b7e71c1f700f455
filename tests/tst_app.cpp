// SPDX-License-Identifier: MIT
#include "Application.h"
#include "FatalError.h"
#include "MessageBox.h"
#include "Translations.h"

#include <QtTest>

#include <stdexcept>

// Start-up and the application object.
class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void escapedExceptionIsFatal();
    void languages_data();
    void languages();
};

// An exception thrown by an event handler must not cross Qt's event loop: it is shown and the
// program ends with status 1.
void TestApp::escapedExceptionIsFatal()
{
    int status = -1;
    FatalError::setExitHandler([&](int code) { status = code; });
    MessageBox::resetSeam();
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    QTimer timer;
    connect(&timer, &QTimer::timeout, [] { throw std::runtime_error("The banner went wrong."); });

    QTimerEvent tick(timer.timerId());
    QCoreApplication::sendEvent(&timer, &tick);

    QCOMPARE(status, 1);
    QCOMPARE(MessageBox::lastText(), "The banner went wrong.");
    QCOMPARE(MessageBox::lastTitle(), "Brindlecast Match Maker");
    // A display name would be appended to every window title by the desktop.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
}

void TestApp::languages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("cancel"); // from Qt's own catalogue

    const QString title = "Brindlecast Match Maker!";
    QTest::newRow("C") << "C" << title << "Your results!"
                       << "Cancel";
    QTest::newRow("British English") << "en_GB" << title << "Your results!"
                                     << "Cancel";
    QTest::newRow("American English") << "en_US" << title << "Your results!"
                                      << "Cancel";
    QTest::newRow("German") << "de_DE"
                            << "Brindlecast-Partnertest!"
                            << "Dein Ergebnis!"
                            << "Abbrechen";
    QTest::newRow("Swiss German") << "de_CH"
                                  << "Brindlecast-Partnertest!"
                                  << "Dein Ergebnis!"
                                  << "Abbrechen";
    QTest::newRow("French") << "fr_FR" << QString::fromUtf8("Brindlecast – Test d’affinités !")
                            << QString::fromUtf8("Vos résultats !") << "Annuler";
    QTest::newRow("Italian, no catalogue") << "it_IT" << title << "Your results!"
                                           << "Annulla";
}

// The catalogues follow the locale; English and the C locale keep every text as it is.
void TestApp::languages()
{
    QFETCH(QString, locale);
    QFETCH(QString, title);
    QFETCH(QString, results);
    QFETCH(QString, cancel);

    const Translations translations(QLocale(locale), Application::CatalogueFolder,
                                    Application::CatalogueName);

    QCOMPARE(QCoreApplication::translate("Main", "Brindlecast Match Maker!"), title);
    QCOMPARE(QCoreApplication::translate("Quiz", "Your results!"), results);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
