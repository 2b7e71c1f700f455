// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The show's web site and contact address: the main window's two links and the web page's open them.
namespace ShowAddresses {

inline const QString Web = QStringLiteral("https://www.brindlecast.example/");
inline const QString Contact = QStringLiteral("matchmaker@brindlecast.example");

} // namespace ShowAddresses
