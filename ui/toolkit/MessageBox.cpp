#include "MessageBox.h"

#include <QMessageBox>

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

MessageBox::Answer showReal(QWidget *parent, const QString &title, const QString &text,
                            MessageBox::Buttons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    buttons == MessageBox::Buttons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(buttons == MessageBox::Buttons::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel;
}

} // namespace

MessageBox::Answer MessageBox::show(QWidget *parent, const QString &title, const QString &text, Buttons buttons)
{
    auto &state = seam();
    state.lastTitle = title;
    state.lastText = text;
    ++state.shownCount;
    if (state.nextAnswers.empty())
        return showReal(parent, title, text, buttons);
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
