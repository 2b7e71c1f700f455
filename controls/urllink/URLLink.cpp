// SPDX-License-Identifier: MIT
#include "URLLink.h"

#include "DesignFont.h"
#include "MessageBox.h"
#include "MousePointer.h"
#include "PlainText.h"
#include "PropertyBag.h"
#include "PropertyError.h"
#include "ShellOpener.h"
#include "Twips.h"
#include "URLLinkAccessible.h"
#include "compiled/hand.h"

#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The pointing hand of assets/hand.cur, compiled in with its hot spot.
QCursor handCursor()
{
    return QCursor(Compiled::hand.pixmap(), Compiled::hand.hotSpot.x(), Compiled::hand.hotSpot.y());
}

} // namespace

URLLink::URLLink(QWidget *parent) : QWidget(parent), lblURL(new QLabel(this))
{
    URLLinkAccessible::install();
    // The surface draws nothing but its black background; its font only measures the text.
    QPalette surface = palette();
    surface.setColor(QPalette::Window, Qt::black);
    setPalette(surface);
    setAutoFillBackground(true);
    setFont(DesignFont::sansSerif(12));
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());
    setUpLabel();
    InitProperties();
}

void URLLink::setUpLabel()
{
    lblURL->setObjectName(QStringLiteral("lblURL"));
    lblURL->setTextFormat(Qt::PlainText);
    QFont underlined = DesignFont::sansSerif(8.25);
    underlined.setUnderline(true);
    lblURL->setFont(underlined);
    QPalette text = lblURL->palette();
    text.setColor(QPalette::WindowText, Qt::white);
    lblURL->setPalette(text);
    lblURL->setCursor(handCursor());
    lblURL->installEventFilter(this);
}

QString URLLink::Text() const
{
    return lblURL->text();
}

// Measured in the surface's 12 pt font, not the label's own, so the label's box is larger than
// the text it draws.
void URLLink::setText(const QString &sText)
{
    lblURL->setText(sText);
    lblURL->setAccessibleName(sText);
    const QFontMetrics surface = fontMetrics();
    lblURL->setGeometry(0, 0, surface.horizontalAdvance(sText), surface.height());
    emit propertyChanged(QStringLiteral("Text"));
}

QString URLLink::URL() const
{
    return targetUrl;
}

void URLLink::setURL(const QString &sURL)
{
    targetUrl = sURL;
    RefreshToolTip();
    emit propertyChanged(QStringLiteral("URL"));
}

bool URLLink::ShowToolTip() const
{
    return showToolTipValue != 0;
}

void URLLink::setShowToolTip(qint16 bShowToolTip)
{
    showToolTipValue = bShowToolTip;
    RefreshToolTip();
    emit propertyChanged(QStringLiteral("ShowToolTip"));
}

void URLLink::RefreshToolTip()
{
    lblURL->setToolTip(showToolTipValue != 0 ? PlainText::toolTip(targetUrl) : QString());
}

void URLLink::InitProperties()
{
    setText(DefaultText);
    targetUrl = DefaultURL;
    setShowToolTip(false);
}

void URLLink::ReadProperties(const PropertyBag &store)
{
    try {
        setText(PropertyBag::toString(store.ReadProperty(QStringLiteral("Text"), DefaultText)));
        targetUrl = PropertyBag::toString(store.ReadProperty(QStringLiteral("URL"), DefaultURL));
        setShowToolTip(PropertyBag::toBoolean(store.ReadProperty(QStringLiteral("ShowToolTip"), false)));
    } catch (const PropertyError &) {
        // A damaged store is not worth a message: the instance simply starts as a new one.
        InitProperties();
    }
}

void URLLink::WriteProperties(PropertyBag &store) const
{
    store.WriteProperty(QStringLiteral("Text"), Text(), DefaultText);
    store.WriteProperty(QStringLiteral("URL"), targetUrl, DefaultURL);
    store.WriteProperty(QStringLiteral("ShowToolTip"), ShowToolTip(), false);
}

QSize URLLink::sizeHint() const
{
    return { Twips::toPixels(2955), Twips::toPixels(480) };
}

// The link opens as the button goes down, not on release.
bool URLLink::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lblURL || event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    lblURL_MouseDown(static_cast<QMouseEvent *>(event)->button());
    return true;
}

void URLLink::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        follow();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

// A dotted frame round the text shows where the keyboard focus is.
void URLLink::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    const QRect text(lblURL->pos(), lblURL->sizeHint());
    painter.drawRect((text & rect()).adjusted(0, 0, -1, -1));
}

void URLLink::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void URLLink::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void URLLink::follow()
{
    lblURL_MouseDown(Qt::LeftButton);
}

// Any other button only puts the pointer back to the default. A cancelled open leaves the
// pointer alone.
void URLLink::lblURL_MouseDown(Qt::MouseButton Button)
{
    if (Button == Qt::LeftButton) {
        QString target = targetUrl;
        bool Cancel = false;
        emit GoToURL(target, Cancel);
        if (Cancel)
            return;
        MousePointer::set(MousePointer::Busy);
        openTarget(target);
    }
    MousePointer::set(MousePointer::Default);
}

void URLLink::openTarget(const QString &target)
{
    const ShellOpener::Result result = ShellOpener::open(target);
    if (result)
        return;
    // One arg() with all three: it fills the places in one pass, so a target holding "%2" stays
    // as it is.
    const QString text = tr("Unable to load '%1' : %2 (Error %3)")
                             .arg(target, result.description, QString::number(result.error));
    MessageBox::show(this, FailureTitle, text, MessageBox::Buttons::Ok);
}
