// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// Gives a screen reader something to say, such as the question that has just come up, without
// moving the keyboard focus and without anything to see. The window gets an invisible child whose
// accessible role is a notification, shown anew with each announcement: screen readers (Orca)
// speak a notification as it appears, its name and then its description.
// An announcement made while the window is not the active one (a dialog over it, another window in
// front) waits until the window is active again and the screen reader has told of its focus,
// which would otherwise cut the announcement short; only the last one waits.
// Tests set a recorder, which gets each announcement instead of the screen reader.
class Announcer : public QObject
{
    Q_OBJECT

public:
    using Recorder = std::function<void(const QString &title, const QString &text)>;

    explicit Announcer(QWidget *window);

    // The title is said first ("Question 3 of 20"), then the text.
    void announce(const QString &title, const QString &text);

    // Test seam: the recorder gets each announcement when a screen reader would. An empty
    // recorder restores the screen reader.
    static void setRecorder(Recorder recorder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void present();

    QWidget *window;
    QWidget *notice;
    bool waiting = false;
};
