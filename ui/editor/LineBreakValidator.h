// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

// Keeps a field to one line: every line break typed, pasted or dropped into it (CR LF, CR, LF
// and Unicode's line and paragraph separators) becomes a space, since a line break in a quiz
// line would shift every later line of the file.
class LineBreakValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;
};
