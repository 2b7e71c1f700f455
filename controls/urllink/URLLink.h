// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

class PropertyBag;
class QLabel;

// A hyperlink label: one line of underlined white text on a black surface that, when the left
// mouse button goes down on it, opens its target (a web address, a "mailto:" address or a
// document) through the desktop. Just before opening it raises GoToURL, through which the
// window holding it may replace the target or cancel. The target can be shown as the text's
// tooltip. A window saves and restores its instances through a PropertyBag. Screen readers are
// told it is a link, to its target (URLLinkAccessible).
class URLLink : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(QString URL READ URL WRITE setURL)
    Q_PROPERTY(bool ShowToolTip READ ShowToolTip WRITE setShowToolTip)
    // What a property browser shows for each property.
    Q_CLASSINFO("Text.Description", "Text displayed in control")
    Q_CLASSINFO("Text.Category", "Text")
    Q_CLASSINFO("URL.Description",
                "URL loaded when mouse is clicked over text. May also be a data file that has an "
                "extension registered by an application on your system.")
    Q_CLASSINFO("URL.Category", "Behavior")
    Q_CLASSINFO("ShowToolTip.Description",
                "Determines if the URL is displayed in a tooltip when the mouse is parked over the text")
    Q_CLASSINFO("ShowToolTip.Category", "Behavior")

public:
    static inline const QString DefaultText = QStringLiteral("Ferrow's Home Page");
    // The home page of the control's author: the target of a new instance.
    static inline const QString DefaultURL = QStringLiteral("https://ferrow.example/");
    // Caption of the box that reports a target that could not be opened.
    static inline const QString FailureTitle = QStringLiteral("qzt");

    // A new instance starts with the default properties, as InitProperties leaves them; a window
    // restoring a saved instance then calls ReadProperties.
    explicit URLLink(QWidget *parent = nullptr);

    QString Text() const;
    // Also moves the text to the top-left corner and sizes it to the text.
    void setText(const QString &sText);
    QString URL() const;
    void setURL(const QString &sURL);
    bool ShowToolTip() const;
    // Any non-zero value turns the tooltip on.
    void setShowToolTip(qint16 bShowToolTip);

    // Host notifications: a new instance without saved state, an instance restored from its
    // window's store, and an instance being saved into it (values equal to the defaults are
    // left out). A store whose values cannot be converted leaves all three defaults.
    void InitProperties();
    void ReadProperties(const PropertyBag &store);
    void WriteProperties(PropertyBag &store) const;

    // Opens the target as a left press on the text does, GoToURL first; for the keyboard and for
    // screen readers.
    void follow();

    // The design size of a newly placed instance; the control never resizes itself.
    QSize sizeHint() const override;

signals:
    // Raised before every open with a working copy of the target. Connect it directly (the
    // default for a handler on the same thread): the handler may replace URL, which is then
    // opened instead while the URL property keeps its value, or set Cancel to stop the open.
    void GoToURL(QString &URL, bool &Cancel);
    // After each property setter, so that the host knows to save the instance.
    void propertyChanged(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Return, Enter and Space open the link as a left press does, for keyboard users.
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setUpLabel();
    void RefreshToolTip();
    void lblURL_MouseDown(Qt::MouseButton Button);
    void openTarget(const QString &target);

    QLabel *lblURL = nullptr;
    QString targetUrl;
    // Kept as given: any non-zero value counts as on.
    qint16 showToolTipValue = 0;
};
