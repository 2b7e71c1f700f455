// SPDX-License-Identifier: MIT
#pragma once

#include "SoundBackend.h"

#include <QObject>

// Plays clips with Qt Multimedia's QSoundEffect.
class SoundEffectBackend : public QObject, public SoundBackend
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SoundBackend_iid)
    Q_INTERFACES(SoundBackend)

public:
    QObject *createPlayer(QObject *parent) override;
    void play(QObject *player, const QString &absolutePath) override;
};
