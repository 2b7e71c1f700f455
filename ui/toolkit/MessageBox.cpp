// SPDX-License-Identifier: MIT
#include "MessageBox.h"

#include "PlainText.h"

#include <QMessageBox>

#include <cstdio>
#include <deque>

namespace {

struct Seam
{
    std::deque<MessageBox::Answer> nextAnswers;
    QString lastTitle;
    QString lastText;
    int shownCount = 0;
};

Seam &seam()
{
    static Seam instance;
    return instance;
}

QMessageBox::StandardButtons standardButtons(MessageBox::Buttons buttons)
{
    switch (buttons) {
    case MessageBox::Buttons::Ok:
        return QMessageBox::Ok;
    case MessageBox::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageBox::Buttons::SaveDiscardCancel:
        break;
    }
    return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
}

MessageBox::Answer answerFor(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return MessageBox::Answer::Ok;
    case QMessageBox::Save:
        return MessageBox::Answer::Save;
    case QMessageBox::Discard:
        return MessageBox::Answer::Discard;
    default:
        return MessageBox::Answer::Cancel;
    }
}

MessageBox::Answer showReal(QWidget *parent, const QString &title, const QString &text,
                            MessageBox::Buttons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, standardButtons(buttons), parent);
    // Quiz text and file names reach message boxes; as rich text they could show any local
    // picture, offer a link to any file or push the buttons off the screen.
    box.setTextFormat(Qt::PlainText);
    const bool saving = buttons == MessageBox::Buttons::SaveDiscardCancel;
    box.setDefaultButton(saving ? QMessageBox::Save : QMessageBox::Ok);
    box.setEscapeButton(buttons == MessageBox::Buttons::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
    return answerFor(box.exec());
}

// With MATCHMAKER_NONINTERACTIVE set (scripts, smoke tests) a box is written to standard error
// and answered with OK instead of waiting for a user who is not there.
bool interactive()
{
    static const bool value = qEnvironmentVariableIsEmpty("MATCHMAKER_NONINTERACTIVE");
    return value;
}

MessageBox::Answer answerNonInteractively(const QString &title, const QString &text,
                                          MessageBox::Buttons buttons)
{
    const QString line = PlainText::forTerminal(title) + QStringLiteral(": ") + PlainText::forTerminal(text);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return buttons == MessageBox::Buttons::SaveDiscardCancel ? MessageBox::Answer::Cancel
                                                             : MessageBox::Answer::Ok;
}

} // namespace

MessageBox::Answer MessageBox::show(QWidget *parent, const QString &title, const QString &text,
                                    Buttons buttons)
{
    auto &state = seam();
    state.lastTitle = title;
    state.lastText = text;
    ++state.shownCount;
    if (state.nextAnswers.empty())
        return interactive() ? showReal(parent, title, text, buttons)
                             : answerNonInteractively(title, text, buttons);
    const Answer answer = state.nextAnswers.front();
    state.nextAnswers.pop_front();
    return answer;
}

void MessageBox::setNextAnswer(Answer answer)
{
    seam().nextAnswers.push_back(answer);
}

QString MessageBox::lastTitle()
{
    return seam().lastTitle;
}

QString MessageBox::lastText()
{
    return seam().lastText;
}

int MessageBox::shownCount()
{
    return seam().shownCount;
}

void MessageBox::resetSeam()
{
    seam() = Seam();
}
