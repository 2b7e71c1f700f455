#include "MessageBox.h"
#include "MousePointer.h"
#include "PropertyBag.h"
#include "ShellOpener.h"
#include "URLLink.h"

#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryFile>
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
    void pressOnTheLabel_data();
    void pressOnTheLabel();
    void toolTipFollowsUrlWhileShown_data();
    void toolTipFollowsUrlWhileShown();
    void longerTextWidensTheLabelAtTopLeft();
    void readPropertiesFallsBackSilently_data();
    void readPropertiesFallsBackSilently();
    void writePropertiesOmitsDefaults();
    void handCursorPointsWithTheFingertip();
    void shellOpenerSortsTargets_data();
    void shellOpenerSortsTargets();

private:
    QList<QUrl> opened;
    QList<int> pointerWhileOpening;
    bool desktopAccepts = true;
};

void TestURLLink::init()
{
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
    ShellOpener::setRecorder({});
    MousePointer::set(MousePointer::Default);
}

void TestURLLink::pressOnTheLabel_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<QString>("replacement"); // null: the handler keeps the target
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("expectedOpen"); // null: nothing is opened
    QTest::addColumn<QString>("expectedBox"); // null: no box

    const auto left = Qt::LeftButton;
    const QString other = QStringLiteral("https://other.example/a%2Fb%1?q=%20");
    const QString none;
    const QString refused = " : no application on this computer could open it (Error 4)";
    QTest::newRow("no handler") << left << false << none << false << true << Website << none;
    QTest::newRow("no handler, refused")
        << left << false << none << false << false << Website << "Unable to load '" + Website + "'" + refused;
    QTest::newRow("cancel") << left << true << none << true << true << none << none;
    QTest::newRow("replace and cancel") << left << true << other << true << true << none << none;
    QTest::newRow("replace") << left << true << other << false << true << other << none;
    QTest::newRow("replace, refused")
        << left << true << other << false << false << other << "Unable to load '" + other + "'" + refused;
    QTest::newRow("replace with empty")
        << left << true << "" << false << true << none << "Unable to load '' : the target is empty (Error 1)";
    QTest::newRow("right") << Qt::RightButton << true << none << false << true << none << none;
    QTest::newRow("middle") << Qt::MiddleButton << true << none << false << true << none << none;
}

void TestURLLink::pressOnTheLabel()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, handled);
    QFETCH(QString, replacement);
    QFETCH(bool, cancel);
    QFETCH(bool, accepted);
    QFETCH(QString, expectedOpen);
    QFETCH(QString, expectedBox);
    URLLink link;
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
    desktopAccepts = accepted;
    // Two overrides stacked by others: the default pointer removes both.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    const int boxes = MessageBox::shownCount();

    QTest::mousePress(lblURL(link), button);

    const bool raised = handled && button == Qt::LeftButton;
    QCOMPARE(seen, raised ? QStringList({ Website, "go" }) : QStringList());
    QCOMPARE(opened, expectedOpen.isNull() ? QList<QUrl>() : QList<QUrl> { QUrl(expectedOpen) });
    QCOMPARE(pointerWhileOpening, QList<int>(opened.size(), Qt::WaitCursor));
    QCOMPARE(pointerOverride(), cancel ? int(Qt::CrossCursor) : -1);
    QCOMPARE(link.URL(), Website);
    QCOMPARE(MessageBox::shownCount(), boxes + (expectedBox.isNull() ? 0 : 1));
    if (!expectedBox.isNull()) {
        QCOMPARE(MessageBox::lastText(), expectedBox);
        QCOMPARE(MessageBox::lastTitle(), QStringLiteral("qzt"));
    }
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

void TestURLLink::shellOpenerSortsTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("handedOver");
    QTest::newRow("mail address") << Mail << 0 << true;
    QTest::newRow("relative document") << "<document>" << 0 << true;
    QTest::newRow("blank") << "  " << 1 << false;
    QTest::newRow("bad host") << "http://exa mple.com/" << 2 << false;
    QTest::newRow("drive, not a scheme") << "C:/no/such/quiz.qzt" << 3 << false;
    QTest::newRow("missing file address") << "file:///no/such/quiz.qzt" << 3 << false;
}

void TestURLLink::shellOpenerSortsTargets()
{
    QFETCH(QString, target);
    QFETCH(int, error);
    QFETCH(bool, handedOver);
    QTemporaryFile document(QStringLiteral("XXXXXX.qzt")); // in the working directory
    QVERIFY(document.open());
    const QFileInfo documentFile(document);
    if (target == "<document>")
        target = documentFile.fileName();

    const ShellOpener::Result result = ShellOpener::open(target);

    QCOMPARE(int(result.error), error);
    QCOMPARE(result.description.isEmpty(), error == 0);
    const QUrl expected = target == Mail ? QUrl(Mail) : QUrl::fromLocalFile(documentFile.absoluteFilePath());
    QCOMPARE(opened, handedOver ? QList<QUrl> { expected } : QList<QUrl>());
}

QTEST_MAIN(TestURLLink)
#include "tst_urllink.moc"
