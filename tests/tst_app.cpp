// SPDX-License-Identifier: MIT
#include "Application.h"
#include "FatalError.h"
#include "MessageBox.h"
#include "SessionBus.h"
#include "TestSeams.h"
#include "Translations.h"

#include <QtTest>

#include <stdexcept>

// Start-up and the application object.
class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSeams::reset(); }
    void escapedExceptionIsFatal();
    void languages_data();
    void languages();
    void sessionBusReach_data();
    void sessionBusReach();
};

// An exception thrown by an event handler must not cross Qt's event loop: it is shown and the
// program ends with status 1.
void TestApp::escapedExceptionIsFatal()
{
    int status = -1;
    FatalError::setExitHandler([&](int code) { status = code; });
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
    QTest::addColumn<QString>("cancel");       // from Qt's own catalogue
    QTest::addColumn<QStringList>("warnings"); // the plural forms for 0, 1 and 2

    const QString title = "Brindlecast Match Maker!";
    const QStringList english = { "0 warnings", "1 warning", "2 warnings" };
    QTest::newRow("C") << "C" << title << "Your results!"
                       << "Cancel" << english;
    QTest::newRow("British English") << "en_GB" << title << "Your results!"
                                     << "Cancel" << english;
    QTest::newRow("American English") << "en_US" << title << "Your results!"
                                      << "Cancel" << english;
    const QStringList german = { "0 Warnungen", "1 Warnung", "2 Warnungen" };
    QTest::newRow("German") << "de_DE"
                            << "Brindlecast-Partnertest!"
                            << "Dein Ergebnis!"
                            << "Abbrechen" << german;
    QTest::newRow("Swiss German") << "de_CH"
                                  << "Brindlecast-Partnertest!"
                                  << "Dein Ergebnis!"
                                  << "Abbrechen" << german;
    QTest::newRow("French") << "fr_FR" << QString::fromUtf8("Brindlecast – Test d’affinités !")
                            << QString::fromUtf8("Vos résultats !") << "Annuler"
                            << QStringList { "0 avertissement", "1 avertissement", "2 avertissements" };
    QTest::newRow("Italian, no catalogue") << "it_IT" << title << "Your results!"
                                           << "Annulla" << english;
}

// The catalogues follow the locale; English and the C locale keep every text as it is, but for
// the plural forms.
void TestApp::languages()
{
    QFETCH(QString, locale);
    QFETCH(QString, title);
    QFETCH(QString, results);
    QFETCH(QString, cancel);
    QFETCH(QStringList, warnings);

    const Translations translations(QLocale(locale), Application::CatalogueFolder,
                                    Application::CatalogueName);

    QCOMPARE(QCoreApplication::translate("Main", "Brindlecast Match Maker!"), title);
    QCOMPARE(QCoreApplication::translate("Quiz", "Your results!"), results);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    for (int n = 0; n < warnings.size(); ++n)
        QCOMPARE(QCoreApplication::translate("QuizEditor", "%n warning(s)", nullptr, n), warnings[n]);
}

// The bus library looks for a session bus at the given address, then at the user's bus socket,
// then starts one with dbus-launch (in its own folder, then along PATH). Only where all of these
// fail is the bus ruled out.
void TestApp::sessionBusReach_data()
{
    QTest::addColumn<QString>("address");
    // An executable made before the check, as folder/name: runtime is XDG_RUNTIME_DIR, path the
    // one folder on PATH, own the folder the bus library looks in before PATH.
    QTest::addColumn<QString>("made");
    QTest::addColumn<bool>("reachable");

    QTest::newRow("nothing") << QString() << QString() << false;
    QTest::newRow("address given") << "unix:path=/nonexistent" << QString() << true;
    QTest::newRow("user bus socket") << QString() << "runtime/bus" << true;
    QTest::newRow("other runtime file") << QString() << "runtime/pulse" << false;
    QTest::newRow("dbus-launch on PATH") << QString() << "path/dbus-launch" << true;
    QTest::newRow("other program on PATH") << QString() << "path/dbus-daemon" << false;
    QTest::newRow("dbus-launch in its own folder") << QString() << "own/dbus-launch" << true;
}

void TestApp::sessionBusReach()
{
    QFETCH(QString, address);
    QFETCH(QString, made);
    QFETCH(bool, reachable);
    const QTemporaryDir runtime, path, own;
    const QHash<QString, const QTemporaryDir *> folders { { "runtime", &runtime },
                                                          { "path", &path },
                                                          { "own", &own } };
    if (!made.isEmpty()) {
        QFile file(folders.value(made.section('/', 0, 0))->filePath(made.section('/', 1)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
    }

    QProcessEnvironment environment;
    if (!address.isEmpty())
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("PATH", path.path());
    QCOMPARE(SessionBus::mayBeReached(environment, own.path()), reachable);
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
