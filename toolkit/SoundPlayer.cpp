// SPDX-License-Identifier: MIT
#include "SoundPlayer.h"

#include "MediaLimits.h"
#include "RegularFile.h"
#include "SoundBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPluginLoader>
#include <QtConcurrent/QtConcurrentRun>
#include <QtDebug>

namespace {

SoundPlayer::Recorder &recorder()
{
    static SoundPlayer::Recorder instance;
    return instance;
}

// The plugin sits next to the program, in the build tree and once installed.
QString pluginPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath("matchmaker_sound");
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent) { }

void SoundPlayer::prepare()
{
    if (state != State::Unloaded || !enabled || recorder())
        return;
    state = State::Loading;
    loading = QtConcurrent::run([path = pluginPath()] { QPluginLoader(path).load(); });
    auto *watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, &SoundPlayer::createPlayer);
    connect(watcher, &QFutureWatcherBase::finished, watcher, &QObject::deleteLater);
    watcher->setFuture(loading);
}

// The plugin's object and the output belong to this object's thread. The library is in memory by
// now, so the loader here only finds it.
void SoundPlayer::createPlayer()
{
    if (state == State::Ready)
        return;
    loading.waitForFinished();
    state = State::Ready;
    backend = qobject_cast<SoundBackend *>(QPluginLoader(pluginPath()).instance());
    if (backend)
        player = backend->createPlayer(this);
}

void SoundPlayer::play(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (!enabled || fileName.isEmpty() || !file.isFile())
        return;
    QFile clip;
    QString problem = RegularFile::open(fileName, clip);
    if (problem.isEmpty())
        problem = MediaLimits::clipProblem(clip);
    if (!problem.isEmpty()) {
        qWarning().noquote() << QStringLiteral("Cannot play the sound clip \"%1\" (%2): %3")
                                    .arg(fileName, file.absoluteFilePath(), problem);
        return;
    }
    if (recorder()) {
        recorder()(fileName);
        return;
    }
    prepare();
    createPlayer();
    if (player)
        backend->play(player, file.absoluteFilePath());
}

void SoundPlayer::setRecorder(Recorder newRecorder)
{
    recorder() = std::move(newRecorder);
}
