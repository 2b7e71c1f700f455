// SPDX-License-Identifier: MIT
#include "SaveFile.h"

#include <QSaveFile>

#include <utility>

namespace {

QString &nextFailure()
{
    static QString error;
    return error;
}

} // namespace

QString SaveFile::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return file.errorString();
    }
    if (!nextFailure().isEmpty()) {
        file.cancelWriting();
        return std::exchange(nextFailure(), QString());
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

void SaveFile::setNextFailure(const QString &error)
{
    nextFailure() = error;
}
