// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

// The application object. An exception that escapes an event handler is shown to the user as a
// fatal error instead of crossing Qt's event loop.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
