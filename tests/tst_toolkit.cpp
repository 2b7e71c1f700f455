#include "Application.h"
#include "FatalError.h"
#include "MessageBox.h"
#include "OpenDialog.h"
#include "TextDecoder.h"
#include "Twips.h"

#include <QtTest>

#include <stdexcept>

class TestToolkit : public QObject
{
    Q_OBJECT

private slots:
    void decodesQuizText_data();
    void decodesQuizText();
    void openDialogFilter_data();
    void openDialogFilter();
    void twipsRoundToNearestPixel_data();
    void twipsRoundToNearestPixel();
    void escapedExceptionIsFatal();
};

void TestToolkit::decodesQuizText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("  Kest ") << "  Kest ";
    QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE2\x80\x94 ok") << QString::fromUtf8("café — ok");
    QTest::newRow("latin letter") << QByteArray("caf\xE9") << QString::fromUtf8("café");
    QTest::newRow("windows quotes") << QByteArray("\x93hi\x94 \x80") << QString::fromUtf8("“hi” €");
    QTest::newRow("unused place") << QByteArray("a\x81") << QString("a") + QChar(0x81);
    QTest::newRow("broken utf-8") << QByteArray("\xC3(") << QString::fromUtf8("Ã(");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestToolkit::decodesQuizText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextDecoder::decode(bytes.toStdString()), text);
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

// An exception thrown by an event handler must not cross Qt's event loop: it is shown and the
// program ends with status 1.
void TestToolkit::escapedExceptionIsFatal()
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
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestToolkit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toolkit.moc"
