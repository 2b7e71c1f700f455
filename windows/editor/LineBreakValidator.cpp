// SPDX-License-Identifier: MIT
#include "LineBreakValidator.h"

namespace {

bool isLineBreak(QChar c)
{
    return c == '\r' || c == '\n';
}

} // namespace

QValidator::State LineBreakValidator::validate(QString &input, int &position) const
{
    QString oneLine;
    oneLine.reserve(input.size());
    int newPosition = position;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n') {
            // CR LF is one break and becomes one space.
            if (i + 1 < position)
                --newPosition;
            continue;
        }
        oneLine += isLineBreak(input[i]) ? QChar(' ') : input[i];
    }
    input = oneLine;
    position = newPosition;
    return Acceptable;
}
