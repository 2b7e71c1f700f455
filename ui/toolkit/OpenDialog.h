// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The Open-file dialog. Its filter is given as "description|pattern|description|pattern...";
// patterns match without regard to case. The file name survives a cancelled dialog.
// Tests queue the user's choice with setNextFileName(); the dialog is shown only when none is.
class OpenDialog
{
public:
    void setFilter(const QString &filter);
    // The filter as the dialog shows it, one entry a description.
    QStringList nameFilters() const { return filters; }

    // Shows the dialog modally. True when the user chose a file; Cancel leaves fileName() as it was.
    bool show(QWidget *parent);
    QString fileName() const { return chosen; }

    // Test seam: the next show() takes this as the user's choice; an empty name is Cancel.
    static void setNextFileName(const QString &name);

private:
    QStringList filters;
    QString chosen;
};
