// SPDX-License-Identifier: MIT
#include "Application.h"
#include "Main.h"
#include "ScratchSettings.h"
#include "TestSeams.h"
#include "Translations.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

// The design's texts fit their fixed boxes, and the window stays reachable, whatever fonts and
// screen the desktop has. CTest runs this suite as it is, with a fontconfig that offers DejaVu
// only (MATCHMAKER_TEST_FONT names the face that must then be in use), on a screen three times
// too small for the window (QT_SCALE_FACTOR=3), and in German and French
// (MATCHMAKER_TEST_LANGUAGE), whose words are longer than the design's.
class TestFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { TestSeams::reset(); }
    void designTextsFitTheirBoxes_data();
    void designTextsFitTheirBoxes();
    void shippedQuestionOneNeedsNoScrollBar();
    void topLeftCornerStaysOnScreen();
    void dialogsKeepTheDesktopFont();

private:
    ScratchSettings settings;
    std::unique_ptr<Translations> translations;
    std::unique_ptr<Main> window;
    QFont desktopFont;
};

void TestFit::initTestCase()
{
    QVERIFY(QDir::setCurrent(MATCHMAKER_DATA_DIR));
    const QString language = qEnvironmentVariable("MATCHMAKER_TEST_LANGUAGE");
    if (!language.isEmpty()) {
        translations = std::make_unique<Translations>(QLocale(language), Application::CatalogueFolder,
                                                      Application::CatalogueName);
        QVERIFY(translations->translated());
    }
    desktopFont = QApplication::font();
    window = std::make_unique<Main>();
    QVERIFY(window->Form_Initialize());
    window->showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestFit::designTextsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : { "Label1", "Label2", "Command1", "Command2", "Command3", "Command4", "Command5",
                              "URLLink1", "URLLink2" })
        QTest::newRow(name) << name;
}

void TestFit::designTextsFitTheirBoxes()
{
    QFETCH(QString, name);
    const auto *box = window->findChild<QWidget *>(name);
    QVERIFY(box);
    // A link shows its text in its inner label, clipped by the link's own box.
    const auto *text = name.startsWith("URLLink") ? box->findChild<QLabel *>("lblURL") : box;
    const QString caption = text->property("text").toString();
    QVERIFY(!caption.isEmpty());
    const int width = text->fontMetrics().horizontalAdvance(caption);
    QVERIFY2(width <= box->width(),
             qPrintable(QString("%1 px of text in %2 px").arg(width).arg(box->width())));
    const QString expectedFace = qEnvironmentVariable("MATCHMAKER_TEST_FONT");
    if (!expectedFace.isEmpty())
        QCOMPARE(QFontInfo(text->font()).family(), expectedFace);
}

void TestFit::shippedQuestionOneNeedsNoScrollBar()
{
    for (const QPlainTextEdit *box : window->Text()) {
        QVERIFY(!box->toPlainText().isEmpty());
        QTRY_VERIFY2(!box->verticalScrollBar()->isVisible(), qPrintable(box->toPlainText()));
    }
}

void TestFit::topLeftCornerStaysOnScreen()
{
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    QVERIFY2(available.contains(frame.topLeft()),
             qPrintable(QString("corner %1,%2").arg(frame.x()).arg(frame.y())));
    // Where it fits, the window is centred (within its frame's few pixels).
    if (frame.width() <= available.width())
        QVERIFY(qAbs(frame.center().x() - available.center().x()) <= frame.width() - window->width());
}

// The window's face is the window's own: the text boxes lay out in it, and making the window
// leaves the application's font, which dialogs and tooltips use, as the desktop gave it.
void TestFit::dialogsKeepTheDesktopFont()
{
    QCOMPARE(QApplication::font(), desktopFont);
    QVERIFY(window->font() != desktopFont);
    for (const QPlainTextEdit *box : window->Text())
        QCOMPARE(box->document()->defaultFont(), window->font());
}

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
