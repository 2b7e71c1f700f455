// SPDX-License-Identifier: MIT
#include "QuestionBlock.h"

#include "ui_QuestionBlock.h"

#include "FormControls.h"
#include "PlainText.h"

QuestionBlock::QuestionBlock(int question, QWidget *parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::QuestionBlock>())
{
    ui->setupUi(this);
    static_assert(QuizBlockLines == 5 && QuizAnswerCount == 4,
                  "QuestionBlock.ui holds the question, answerA to answerD and votesA to votesD");
    fields = controlsByName<QLineEdit, QuizBlockLines>(*this, [](std::size_t i) {
        return i == 0 ? QStringLiteral("question") : QStringLiteral("answer") + answerLetter(i - 1);
    });
    votes = controlsByName<QLabel, QuizAnswerCount>(
        *this, [](std::size_t k) { return QStringLiteral("votes") + answerLetter(k); });
    setTitle(tr("Question %1").arg(question));
    ui->question->setAccessibleName(tr("Question %1").arg(question));
    for (std::size_t k = 0; k < QuizAnswerCount; ++k) {
        const QChar letter = answerLetter(k);
        fields[k + 1]->setAccessibleName(tr("Question %1, answer %2").arg(question).arg(letter));
        // Names are quiz text: never markup, and a long one must not widen the window.
        votes[k]->setTextFormat(Qt::PlainText);
        votes[k]->setMinimumWidth(fontMetrics().averageCharWidth() * 20);
        votes[k]->setMaximumWidth(fontMetrics().averageCharWidth() * 20);
    }
}

QuestionBlock::~QuestionBlock() = default;

void QuestionBlock::setVoteName(std::size_t answer, const QString &name)
{
    QLabel *label = votes.at(answer);
    const bool blank = name.trimmed().isEmpty();
    const QString text = blank ? tr("votes for (no name yet)") : tr("votes for %1").arg(name);
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, label->maximumWidth()));
    label->setToolTip(PlainText::toolTip(text));
    // A screen reader does not read the label beside a field, only the field's own label: the
    // field says whom it votes for in its description. Every edit sets the names again; only a
    // change is worth an event to the screen reader.
    QLineEdit *field = fields.at(answer + 1);
    if (field->accessibleDescription() != text)
        field->setAccessibleDescription(text);
}
