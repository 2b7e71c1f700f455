// SPDX-License-Identifier: MIT
#include "MessageBox.h"
#include "MousePointer.h"
#include "PropertyBag.h"
#include "ShellOpener.h"
#include "TestSeams.h"
#include "URLLink.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString Website = QStringLiteral("https://www.brindlecast.example/");
const QString WebsiteText = QStringLiteral("Website:  https://www.brindlecast.example/");
const QString Mail = QStringLiteral("mailto:matchmaker@brindlecast.example");

// The application-wide pointer override: its shape, or -1 when there is none.
int pointerOverride()
{
    const QCursor *pointer = QGuiApplication::overrideCursor();
    return pointer ? int(pointer->shape()) : -1;
}

QLabel *lblURL(const URLLink &link)
{
    return link.findChild<QLabel *>(QStringLiteral("lblURL"));
}

} // namespace

class TestURLLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void handlerDecides_data();
    void handlerDecides();
    void desktopRefuses_data();
    void desktopRefuses();
    void toolTipFollowsUrlWhileShown_data();
    void toolTipFollowsUrlWhileShown();
    void longerTextWidensTheLabelAtTopLeft();
    void readPropertiesFallsBackSilently_data();
    void readPropertiesFallsBackSilently();
    void writePropertiesOmitsDefaults();
    void handCursorPointsWithTheFingertip();
    void screenReaderIsToldOfALink();

private:
    QStringList press(URLLink &link, Qt::MouseButton button, bool handled, const QString &replacement,
                      bool cancel);

    QList<QUrl> opened;
    QList<int> pointerWhileOpening;
    bool desktopAccepts = true;
};

void TestURLLink::init()
{
    TestSeams::reset();
    opened.clear();
    pointerWhileOpening.clear();
    desktopAccepts = true;
    ShellOpener::setRecorder([this](const QUrl &url) {
        opened.append(url);
        pointerWhileOpening.append(pointerOverride());
        return desktopAccepts;
    });
    // A failure box answers at once instead of blocking.
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);
}

void TestURLLink::cleanup()
{
    MousePointer::set(MousePointer::Default);
}

namespace {

const QString OtherTarget = QStringLiteral("https://other.example/a%2Fb%1?q=%20");

} // namespace

// Presses on a link to the web site; with a handler, GoToURL may replace the target (a null
// replacement keeps it) or cancel. Returns what the handler saw.
QStringList TestURLLink::press(URLLink &link, Qt::MouseButton button, bool handled,
                               const QString &replacement, bool cancel)
{
    link.setURL(Website);
    QStringList seen;
    if (handled) {
        connect(&link, &URLLink::GoToURL, this, [&](QString &url, bool &Cancel) {
            seen << url << (Cancel ? "cancelled" : "go");
            if (!replacement.isNull())
                url = replacement;
            Cancel = cancel;
        });
    }
    QTest::mousePress(lblURL(link), button);
    return seen;
}

void TestURLLink::handlerDecides_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<QString>("replacement"); // null: the handler keeps the target
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("expectedOpen"); // null: nothing is opened

    const auto left = Qt::LeftButton;
    const QString none;
    QTest::newRow("no handler") << left << false << none << false << Website;
    QTest::newRow("cancel") << left << true << none << true << none;
    QTest::newRow("replace and cancel") << left << true << OtherTarget << true << none;
    QTest::newRow("replace") << left << true << OtherTarget << false << OtherTarget;
    QTest::newRow("right") << Qt::RightButton << true << none << false << none;
    QTest::newRow("middle") << Qt::MiddleButton << true << none << false << none;
}

// GoToURL comes before every left press and decides what is opened; the hourglass covers exactly
// the open, and the URL property never changes.
void TestURLLink::handlerDecides()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, handled);
    QFETCH(QString, replacement);
    QFETCH(bool, cancel);
    QFETCH(QString, expectedOpen);
    URLLink link;
    // Two overrides stacked by others: the default pointer removes both.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    const int boxes = MessageBox::shownCount();

    const QStringList seen = press(link, button, handled, replacement, cancel);

    const bool raised = handled && button == Qt::LeftButton;
    QCOMPARE(seen, raised ? QStringList({ Website, "go" }) : QStringList());
    QCOMPARE(opened, expectedOpen.isNull() ? QList<QUrl>() : QList<QUrl> { QUrl(expectedOpen) });
    QCOMPARE(pointerWhileOpening, QList<int>(opened.size(), Qt::WaitCursor));
    QCOMPARE(pointerOverride(), cancel ? int(Qt::CrossCursor) : -1);
    QCOMPARE(link.URL(), Website);
    QCOMPARE(MessageBox::shownCount(), boxes);
}

void TestURLLink::desktopRefuses_data()
{
    QTest::addColumn<QString>("replacement");  // null: no handler
    QTest::addColumn<QString>("expectedOpen"); // null: refused before the desktop is asked
    QTest::addColumn<QString>("expectedBox");

    const QString refused = " : no application on this computer could open it (Error 4)";
    QTest::newRow("no handler") << QString() << Website << "Unable to load '" + Website + "'" + refused;
    QTest::newRow("replacement") << OtherTarget << OtherTarget
                                 << "Unable to load '" + OtherTarget + "'" + refused;
    QTest::newRow("replaced with empty")
        << "" << QString() << "Unable to load '' : the target is empty (Error 1)";
}

// A target that cannot be opened is reported in a box titled "qzt" quoting the target actually
// tried; afterwards the pointer is the default again.
void TestURLLink::desktopRefuses()
{
    QFETCH(QString, replacement);
    QFETCH(QString, expectedOpen);
    QFETCH(QString, expectedBox);
    URLLink link;
    desktopAccepts = false;
    const int boxes = MessageBox::shownCount();

    press(link, Qt::LeftButton, !replacement.isNull(), replacement, false);

    QCOMPARE(opened, expectedOpen.isNull() ? QList<QUrl>() : QList<QUrl> { QUrl(expectedOpen) });
    QCOMPARE(pointerOverride(), -1);
    QCOMPARE(MessageBox::shownCount(), boxes + 1);
    QCOMPARE(MessageBox::lastText(), expectedBox);
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("qzt"));
}

void TestURLLink::toolTipFollowsUrlWhileShown_data()
{
    QTest::addColumn<qint16>("flag");
    QTest::addColumn<bool>("shown");
    QTest::newRow("False") << qint16(0) << false;
    QTest::newRow("True") << qint16(-1) << true;
    QTest::newRow("one") << qint16(1) << true;
    QTest::newRow("lowest") << qint16(-32768) << true;
    QTest::newRow("256") << qint16(256) << true;
}

void TestURLLink::toolTipFollowsUrlWhileShown()
{
    QFETCH(qint16, flag);
    QFETCH(bool, shown);
    URLLink link;
    link.setURL(Website);
    link.setShowToolTip(flag);
    QCOMPARE(link.ShowToolTip(), shown);
    QCOMPARE(lblURL(link)->toolTip(), shown ? Website : QString());
    link.setURL(Mail);
    QCOMPARE(lblURL(link)->toolTip(), shown ? Mail : QString());
}

void TestURLLink::longerTextWidensTheLabelAtTopLeft()
{
    URLLink link;
    QLabel *label = lblURL(link);
    const int defaultWidth = label->width();
    label->move(9, 9);

    link.setText(WebsiteText);

    QCOMPARE(label->pos(), QPoint(0, 0));
    QVERIFY(label->width() > defaultWidth);
    // Measured in the surface's larger font, so the box is bigger than the label's own text.
    QVERIFY(label->width() > label->fontMetrics().horizontalAdvance(WebsiteText));
    QVERIFY(label->height() > label->fontMetrics().height());
    QCOMPARE(link.size(), link.sizeHint());
}

void TestURLLink::readPropertiesFallsBackSilently_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("toolTip");
    const QString defText = URLLink::DefaultText;
    const QString defUrl = URLLink::DefaultURL;
    const QVariantMap saved { { "text", WebsiteText }, { "url", Website } };

    QTest::newRow("nothing stored") << QVariantMap() << defText << defUrl << false;
    QTest::newRow("as the window saved it") << saved << WebsiteText << Website << false;
    QTest::newRow("keys in any case")
        << QVariantMap { { "TEXT", "Mail" }, { "Url", Mail }, { "showtooltip", "true" } } << "Mail" << Mail
        << true;
    QTest::newRow("integer flag") << QVariantMap { { "ShowToolTip", -1 } } << defText << defUrl << true;
    QVariantMap maybe = saved;
    maybe.insert("ShowToolTip", "maybe");
    QTest::newRow("flag not a Boolean") << maybe << defText << defUrl << false;
    const QVariantMap point { { "Text", QPoint(1, 2) }, { "URL", Website }, { "ShowToolTip", true } };
    QTest::newRow("text not text") << point << defText << defUrl << false;
}

void TestURLLink::readPropertiesFallsBackSilently()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QString, text);
    QFETCH(QString, url);
    QFETCH(bool, toolTip);
    PropertyBag store;
    for (auto entry = stored.cbegin(); entry != stored.cend(); ++entry)
        store.WriteProperty(entry.key(), entry.value(), QVariant());
    URLLink link;
    lblURL(link)->move(9, 9);
    const int boxes = MessageBox::shownCount();

    link.ReadProperties(store);

    QCOMPARE(link.Text(), text);
    QCOMPARE(link.URL(), url);
    QCOMPARE(link.ShowToolTip(), toolTip);
    QCOMPARE(lblURL(link)->toolTip(), toolTip ? url : QString());
    QCOMPARE(lblURL(link)->pos(), QPoint(0, 0));
    QCOMPARE(MessageBox::shownCount(), boxes);
}

void TestURLLink::writePropertiesOmitsDefaults()
{
    URLLink link;
    PropertyBag store;
    link.WriteProperties(store);
    QVERIFY(store.isEmpty());

    QSignalSpy changed(&link, &URLLink::propertyChanged);
    link.setText(WebsiteText);
    link.setURL(Website);
    link.setShowToolTip(true);
    QCOMPARE(changed, QList<QVariantList>({ { "Text" }, { "URL" }, { "ShowToolTip" } }));
    link.WriteProperties(store);
    QVERIFY(store.contains("Text") && store.contains("URL") && store.contains("ShowToolTip"));

    URLLink restored;
    restored.ReadProperties(store);
    QCOMPARE(restored.Text(), WebsiteText);
    QCOMPARE(restored.URL(), Website);
    QVERIFY(restored.ShowToolTip());
}

void TestURLLink::handCursorPointsWithTheFingertip()
{
    URLLink link;
    const QCursor hand = lblURL(link)->cursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    QCOMPARE(hand.hotSpot(), QPoint(12, 1));
}

// Named by its text unless the window names it, described by its target; Press opens the target
// as a click does, once the screen reader's call has returned.
void TestURLLink::screenReaderIsToldOfALink()
{
    URLLink link;
    link.setText(WebsiteText);
    link.setURL(Website);
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(&link);

    QCOMPARE(shown->role(), QAccessible::Link);
    QCOMPARE(shown->text(QAccessible::Name), WebsiteText);
    QCOMPARE(shown->text(QAccessible::Description), Website);
    link.setAccessibleName("Show's web site");
    QCOMPARE(shown->text(QAccessible::Name), "Show's web site");
    QVERIFY(shown->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    shown->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(opened.isEmpty());
    QTRY_COMPARE(opened, QList<QUrl> { QUrl(Website) });
}

QTEST_MAIN(TestURLLink)
#include "tst_urllink.moc"
