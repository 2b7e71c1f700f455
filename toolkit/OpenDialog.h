// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The Open-file dialog, which also serves to choose a file to save to, as the common dialog it
// stands for does. Its filter is given as "description|pattern|description|pattern...";
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
    // The same for a file to save to: a name without an extension gets defaultSuffix, and
    // choosing an existing file asks before it is replaced.
    bool showSave(QWidget *parent, const QString &defaultSuffix);
    // The same for a folder, which the dialog can also make.
    bool showFolder(QWidget *parent);

    // Test seam: the next show() or showSave() takes this as the user's choice; an empty name
    // is Cancel.
    static void setNextFileName(const QString &name);
    // Forgets the queued choices.
    static void resetSeam();

private:
    enum class Mode { Open, Save, Folder };
    bool choose(QWidget *parent, Mode mode, const QString &defaultSuffix);

    QStringList filters;
    QString chosen;
};
