// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"

#include <QGroupBox>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class QuestionBlock;
}

// One question of the quiz editor (Designer form QuestionBlock.ui): the question and its
// answers A to D, each answer beside the name it votes for.
class QuestionBlock : public QGroupBox
{
    Q_OBJECT

public:
    // question counts from 1.
    explicit QuestionBlock(int question, QWidget *parent = nullptr);
    ~QuestionBlock() override;

    // 0 the question, 1 to 4 the answers A to D.
    QLineEdit *field(std::size_t index) const { return fields.at(index); }
    // The name answer (0 to 3) votes for, as its line holds it: shown beside the answer's field
    // and given as its accessible description.
    void setVoteName(std::size_t answer, const QString &name);

private:
    std::unique_ptr<Ui::QuestionBlock> ui;
    std::array<QLineEdit *, QuizBlockLines> fields {};
    std::array<QLabel *, QuizAnswerCount> votes {};
};
