// SPDX-License-Identifier: MIT
#include "URLLinkAccessible.h"

#include "URLLink.h"

namespace {

QAccessibleInterface *linkInterface(const QString &className, QObject *object)
{
    auto *link = qobject_cast<URLLink *>(object);
    if (!link || className != QLatin1String("URLLink"))
        return nullptr;
    return new URLLinkAccessible(link);
}

} // namespace

URLLinkAccessible::URLLinkAccessible(URLLink *link) : QAccessibleWidget(link, QAccessible::Link) { }

// Only once the application exists: Qt asks the factory installed last first, and the
// application installs Qt Widgets' own, which would make the link a plain filler.
void URLLinkAccessible::install()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(linkInterface);
        return true;
    }();
}

URLLink *URLLinkAccessible::link() const
{
    return static_cast<URLLink *>(widget());
}

QString URLLinkAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && link()->accessibleName().isEmpty())
        return link()->Text();
    if (t == QAccessible::Description && link()->accessibleDescription().isEmpty())
        return link()->URL();
    return QAccessibleWidget::text(t);
}

QStringList URLLinkAccessible::actionNames() const
{
    return QStringList { pressAction() } + QAccessibleWidget::actionNames();
}

// The open waits for the event loop, as a button's press does: the screen reader's call returns
// at once, even when a box then tells that the target could not be opened.
void URLLinkAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    QMetaObject::invokeMethod(link(), &URLLink::follow, Qt::QueuedConnection);
}
