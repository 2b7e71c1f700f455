// SPDX-License-Identifier: MIT
#include "SoundEffectBackend.h"

#include <QSoundEffect>
#include <QUrl>

QObject *SoundEffectBackend::createPlayer(QObject *parent)
{
    return new QSoundEffect(parent);
}

void SoundEffectBackend::play(QObject *player, const QString &absolutePath)
{
    auto *effect = qobject_cast<QSoundEffect *>(player);
    if (!effect)
        return;
    effect->setSource(QUrl::fromLocalFile(absolutePath));
    effect->play();
}
