// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// "About Brindlecast Match Maker": the program's version, its licence and the show's two links.
class AboutBox
{
    Q_DECLARE_TR_FUNCTIONS(AboutBox)

public:
    // Opens the box over the window and returns at once; the window waits until it is closed.
    static void show(QWidget *parent, const QString &webAddress, const QString &contactAddress);
};
