// SPDX-License-Identifier: MIT
#include "OpenDialog.h"

#include <QFileDialog>

#include <deque>
#include <optional>

namespace {

std::deque<QString> &queuedNames()
{
    static std::deque<QString> names;
    return names;
}

// "Qzt Files  (*.QZT)" already names its pattern; a description without one gets it appended so
// that the dialog can filter by it.
QString nameFilter(const QString &description, const QString &pattern)
{
    if (description.contains('(' + pattern + ')'))
        return description;
    return description + " (" + pattern + ')';
}

std::optional<QString> takeQueuedName()
{
    auto &names = queuedNames();
    if (names.empty())
        return std::nullopt;
    QString name = names.front();
    names.pop_front();
    return name;
}

} // namespace

void OpenDialog::setFilter(const QString &filter)
{
    filters.clear();
    const QStringList parts = filter.split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << nameFilter(parts[i], parts[i + 1]);
}

bool OpenDialog::show(QWidget *parent)
{
    return choose(parent, Mode::Open, QString());
}

bool OpenDialog::showSave(QWidget *parent, const QString &defaultSuffix)
{
    return choose(parent, Mode::Save, defaultSuffix);
}

bool OpenDialog::showFolder(QWidget *parent)
{
    return choose(parent, Mode::Folder, QString());
}

bool OpenDialog::choose(QWidget *parent, Mode mode, const QString &defaultSuffix)
{
    std::optional<QString> name = takeQueuedName();
    if (!name) {
        // Qt's own dialog: it matches patterns without regard to case on every desktop, and it
        // looks the same everywhere the program runs.
        QFileDialog dialog(parent);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(mode == Mode::Folder     ? QFileDialog::Directory
                               : mode == Mode::Save ? QFileDialog::AnyFile
                                                    : QFileDialog::ExistingFile);
        dialog.setAcceptMode(mode == Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setDefaultSuffix(defaultSuffix);
        if (mode != Mode::Folder)
            dialog.setNameFilters(filters);
        if (!chosen.isEmpty())
            dialog.selectFile(chosen);
        name = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    if (name->isEmpty())
        return false;
    chosen = *name;
    return true;
}

void OpenDialog::setNextFileName(const QString &name)
{
    queuedNames().push_back(name);
}

void OpenDialog::resetSeam()
{
    queuedNames().clear();
}
