// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

// The quiz files a file dialog offers: "Qzt Files  (*.QZT)|*.QZT", description|pattern, with the
// description in the user's language. The pattern matches in any case.
class QuizFileFilter
{
    Q_DECLARE_TR_FUNCTIONS(QuizFileFilter)

public:
    static QString forOpenDialog() { return tr("Qzt Files  (*.QZT)|*.QZT"); }
};
