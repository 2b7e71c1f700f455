#include "SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

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
    if (effect || recorder())
        return;
    effect = new QSoundEffect(this);
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
    effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    effect->play();
}

void SoundPlayer::setRecorder(Recorder newRecorder)
{
    recorder() = std::move(newRecorder);
}
