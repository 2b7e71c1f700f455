#include "SoundPlayer.h"

#include "SoundBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

SoundPlayer::Recorder &recorder()
{
    static SoundPlayer::Recorder instance;
    return instance;
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent) { }

void SoundPlayer::prepare()
{
    if (prepared || recorder())
        return;
    prepared = true;
    // The plugin sits next to the program, in the build tree and once installed.
    QPluginLoader loader(QDir(QCoreApplication::applicationDirPath()).filePath("matchmaker_sound"));
    backend = qobject_cast<SoundBackend *>(loader.instance());
    if (backend)
        player = backend->createPlayer(this);
}

void SoundPlayer::play(const QString &fileName)
{
    if (recorder()) {
        recorder()(fileName);
        return;
    }
    const QFileInfo file(fileName);
    if (fileName.isEmpty() || !file.isFile())
        return;
    prepare();
    if (player)
        backend->play(player, file.absoluteFilePath());
}

void SoundPlayer::setRecorder(Recorder newRecorder)
{
    recorder() = std::move(newRecorder);
}
