// SPDX-License-Identifier: MIT
#include "ContextMenu.h"

#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>

#include <algorithm>

namespace {

// From the keyboard a menu opens on the middle of the control with the focus.
QPoint keyboardPosition(const QWidget *window)
{
    const QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    return target->mapToGlobal(target->rect().center());
}

} // namespace

ContextMenu::ContextMenu(QWidget *window)
    : QObject(window), window(window), popup(new QMenu(window)), settings(std::make_unique<Settings>())
{
    newTestItem = addItem(tr("New Test..."), QKeySequence::New);
    backItem = addItem(tr("Back one question"), QKeySequence(Qt::Key_Backspace));
    backItem->setEnabled(false);
    popup->addSeparator();
    soundItem = addChoice(tr("Sound"), QKeySequence(Qt::Key_M), SoundKey);
    moveBannerItem = addChoice(tr("Move the banner"), QKeySequence(Qt::Key_P), MoveBannerKey);
    popup->addSeparator();
    aboutItem = addItem(tr("About Brindlecast Match Maker"), QKeySequence());
    connect(addItem(tr("About Qt"), QKeySequence()), &QAction::triggered, qApp, &QApplication::aboutQt);

    // The Menu key comes as a context menu event from the platform; Shift+F10 does not.
    auto *shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window);
    connect(shiftF10, &QShortcut::activated, this, &ContextMenu::requestFromKeyboard);
    window->installEventFilter(this);
}

ContextMenu::~ContextMenu() = default;

// The item goes on the window as well, so that its shortcut works while the menu is closed.
QAction *ContextMenu::addItem(const QString &text, const QKeySequence &shortcut)
{
    auto *action = popup->addAction(text);
    action->setShortcut(shortcut);
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action);
    return action;
}

QAction *ContextMenu::addChoice(const QString &text, const QKeySequence &shortcut, const QString &key)
{
    auto *action = addItem(text, shortcut);
    action->setCheckable(true);
    action->setChecked(settings->readBool(key, true));
    connect(action, &QAction::toggled, this, [this, key](bool on) { settings->writeBool(key, on); });
    return action;
}

void ContextMenu::requestFromKeyboard()
{
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    QContextMenuEvent event(QContextMenuEvent::Keyboard, target->rect().center(),
                            target->mapToGlobal(target->rect().center()));
    QApplication::sendEvent(target, &event);
}

// Context menu events that no control took (the text boxes do) come up to the window.
bool ContextMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window || event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    const auto *request = static_cast<QContextMenuEvent *>(event);
    popup->popup(request->reason() == QContextMenuEvent::Keyboard ? keyboardPosition(window)
                                                                  : request->globalPos());
    speakFirstItem();
    event->accept();
    return true;
}

// A screen reader says nothing when a menu opens, only when an item becomes active: the first
// item is made active at once. With the focus in the menu too, the screen reader hears it leave
// when the menu closes, and so speaks the first item again at the next opening.
void ContextMenu::speakFirstItem()
{
    const QList<QAction *> items = popup->actions();
    const auto first = std::find_if(items.begin(), items.end(), [](const QAction *item) {
        return item->isEnabled() && item->isVisible() && !item->isSeparator();
    });
    if (first == items.end())
        return;
    popup->setActiveAction(*first);
    popup->setFocus(Qt::PopupFocusReason);
}
