// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QAction;
class QKeySequence;
class QMenu;
class QWidget;
class Settings;

// The main window's context menu. It opens at the right mouse button anywhere outside the text
// boxes (which keep their own), at the Menu key and at Shift+F10; from the keyboard it opens on
// the control that has the focus. Each item shows its shortcut, which works without the menu too.
// Sound and Move the banner are the user's choices, on until switched off, and are kept between
// runs. The window connects the items to what they do. However it opens, its first item is active,
// so that a screen reader says it.
class ContextMenu : public QObject
{
    Q_OBJECT

public:
    static inline const QString SoundKey = QStringLiteral("sound");
    static inline const QString MoveBannerKey = QStringLiteral("moveBanner");

    explicit ContextMenu(QWidget *window);
    ~ContextMenu() override;

    QMenu *menu() const { return popup; }
    QAction *newTest() const { return newTestItem; }
    // Disabled until the window enables it.
    QAction *back() const { return backItem; }
    QAction *sound() const { return soundItem; }
    QAction *moveBanner() const { return moveBannerItem; }
    QAction *about() const { return aboutItem; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addItem(const QString &text, const QKeySequence &shortcut);
    QAction *addChoice(const QString &text, const QKeySequence &shortcut, const QString &key);
    // Shift+F10: asks the control with the focus for its context menu, as the Menu key does.
    void requestFromKeyboard();
    void speakFirstItem();

    QWidget *window;
    QMenu *popup;
    std::unique_ptr<Settings> settings;
    QAction *newTestItem = nullptr;
    QAction *backItem = nullptr;
    QAction *soundItem = nullptr;
    QAction *moveBannerItem = nullptr;
    QAction *aboutItem = nullptr;
};
