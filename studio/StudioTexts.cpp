// SPDX-License-Identifier: MIT
#include "StudioTexts.h"

QByteArray StudioTexts::script(const QString &, const QString &)
{
    return "window.StudioTexts = { keys: [], plurals: { keys: [] } };\n";
}
