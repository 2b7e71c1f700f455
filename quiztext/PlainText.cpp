// SPDX-License-Identifier: MIT
#include "PlainText.h"

namespace {

bool isControl(QChar c)
{
    const char16_t code = c.unicode();
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

} // namespace

// A text without '<' holds no tag, so Qt never takes it for rich text; any other is escaped,
// which shows the same characters whether or not Qt would have taken it for rich text.
QString PlainText::toolTip(const QString &text)
{
    if (!text.contains('<'))
        return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString PlainText::forTerminal(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (isControl(c))
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}
