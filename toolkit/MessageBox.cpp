// SPDX-License-Identifier: MIT
#include "MessageBox.h"

#include "PlainText.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTextEdit>

#include <cstdio>
#include <deque>

namespace {

struct Seam
{
    std::deque<MessageBox::Answer> nextAnswers;
    QString lastTitle;
    QString lastText;
    QString lastDetails;
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

// A message box whose Ctrl+C copies all it says, unless the user has selected part of it.
class CopyableBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!event->matches(QKeySequence::Copy)) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        if (auto *details = findChild<QTextEdit *>(); details && details->textCursor().hasSelection()) {
            details->copy();
            return;
        }
        const QString selected = selectedText();
        QGuiApplication::clipboard()->setText(selected.isEmpty() ? wholeText() : selected);
    }

private:
    // The text the user has selected with the mouse, where the style lets them.
    QString selectedText() const
    {
        for (const auto *label : findChildren<QLabel *>()) {
            if (label->hasSelectedText())
                return label->selectedText();
        }
        return {};
    }

    QString wholeText() const
    {
        QString whole = windowTitle() + QStringLiteral("\n\n") + text();
        if (!detailedText().isEmpty())
            whole += QStringLiteral("\n\n") + detailedText();
        return whole;
    }
};

// Qt's details area takes no focus, so a screen reader could neither reach nor read it. It joins
// the Tab order with a caret for reading it line by line, and its description holds all of it,
// which a screen reader says as the area is reached.
void letDetailsBeRead(QMessageBox &box, const QString &details)
{
    auto *area = box.findChild<QTextEdit *>();
    if (!area)
        return;
    area->setFocusPolicy(Qt::TabFocus);
    area->setTextInteractionFlags(area->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    area->setAccessibleName(QCoreApplication::translate("MessageBox", "Details"));
    area->setAccessibleDescription(details);
}

MessageBox::Answer showReal(QWidget *parent, const QString &title, const QString &text,
                            MessageBox::Buttons buttons, const QString &details)
{
    CopyableBox box(QMessageBox::NoIcon, title, text, standardButtons(buttons), parent);
    // Quiz text and file names reach message boxes; as rich text they could show any local
    // picture, offer a link to any file or push the buttons off the screen. The details are
    // always shown as plain text.
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    letDetailsBeRead(box, details);
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
                                          MessageBox::Buttons buttons, const QString &details)
{
    QString lines = PlainText::forTerminal(title) + QStringLiteral(": ") + PlainText::forTerminal(text);
    for (const QString &line : details.split('\n', Qt::SkipEmptyParts))
        lines += QStringLiteral("\n  ") + PlainText::forTerminal(line);
    std::fprintf(stderr, "%s\n", lines.toLocal8Bit().constData());
    return buttons == MessageBox::Buttons::SaveDiscardCancel ? MessageBox::Answer::Cancel
                                                             : MessageBox::Answer::Ok;
}

} // namespace

MessageBox::Answer MessageBox::show(QWidget *parent, const QString &title, const QString &text,
                                    Buttons buttons, const QString &details)
{
    auto &state = seam();
    state.lastTitle = title;
    state.lastText = text;
    state.lastDetails = details;
    ++state.shownCount;
    if (state.nextAnswers.empty()) {
        return interactive() ? showReal(parent, title, text, buttons, details)
                             : answerNonInteractively(title, text, buttons, details);
    }
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

QString MessageBox::lastDetails()
{
    return seam().lastDetails;
}

int MessageBox::shownCount()
{
    return seam().shownCount;
}

void MessageBox::resetSeam()
{
    seam() = Seam();
}
