// SPDX-License-Identifier: MIT
#include "Application.h"
#include "FatalError.h"
#include "MessageBox.h"

#include <QtTest>

#include <stdexcept>

// Start-up and the application object.
class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void escapedExceptionIsFatal();
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

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
