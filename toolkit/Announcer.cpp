// SPDX-License-Identifier: MIT
#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QWidget>

namespace {

Announcer::Recorder &installedRecorder()
{
    static Announcer::Recorder instance;
    return instance;
}

// The invisible child that the screen reader hears. A class of its own, so that the factory
// below can tell it from any other plain widget.
class Notice : public QWidget
{
public:
    using QWidget::QWidget;
};

QAccessibleInterface *noticeInterface(const QString &className, QObject *object)
{
    auto *notice = dynamic_cast<Notice *>(object);
    if (!notice || className != QLatin1String("QWidget"))
        return nullptr;
    return new QAccessibleWidget(notice, QAccessible::Notification);
}

// Installed once, and only now that the application exists: Qt asks the factory installed last
// first, and the application installs Qt Widgets' own, which would answer for any widget.
Notice *makeNotice(QWidget *window)
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(noticeInterface);
        return true;
    }();
    auto *notice = new Notice(window);
    notice->setObjectName(QStringLiteral("announcement"));
    // Nothing to see and nothing to click; hidden until the first announcement.
    notice->setGeometry(0, 0, 0, 0);
    notice->hide();
    return notice;
}

} // namespace

Announcer::Announcer(QWidget *window) : QObject(window), window(window), notice(makeNotice(window))
{
    window->installEventFilter(this);
}

void Announcer::announce(const QString &title, const QString &text)
{
    notice->setAccessibleName(title);
    notice->setAccessibleDescription(text);
    waiting = true;
    if (window->isActiveWindow())
        present();
}

void Announcer::present()
{
    if (!waiting)
        return;
    waiting = false;
    if (installedRecorder()) {
        installedRecorder()(notice->accessibleName(), notice->accessibleDescription());
        return;
    }
    // A notification is spoken as it appears.
    notice->hide();
    notice->show();
}

// The window's focus is set, and told to the screen reader, only after the window has become
// active: the waiting announcement follows it.
bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window && event->type() == QEvent::WindowActivate && waiting)
        QMetaObject::invokeMethod(this, &Announcer::present, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void Announcer::setRecorder(Recorder recorder)
{
    installedRecorder() = std::move(recorder);
}
