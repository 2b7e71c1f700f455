// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

// Keeps a field to one line: every line break typed, pasted or dropped into it (CR LF, CR or LF)
// becomes a space, since a line break in a quiz line would shift every later line of the file.
// Unicode's line and paragraph separators (U+2028, U+2029, U+0085) end no line of a quiz file,
// so a line may hold them and keeps them through every edit.
class LineBreakValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;
};
