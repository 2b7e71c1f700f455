// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

// The audio side of SoundPlayer, built as a plugin of its own so that the audio stack (Qt
// Multimedia, PulseAudio and their codecs) is loaded only once the window is up.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;

    // A player owned by parent, ready to play clips.
    virtual QObject *createPlayer(QObject *parent) = 0;
    // Starts the clip in the background and returns at once.
    virtual void play(QObject *player, const QString &absolutePath) = 0;
};

#define SoundBackend_iid "example.brindlecast.MatchMaker.SoundBackend/1.0"
Q_DECLARE_INTERFACE(SoundBackend, SoundBackend_iid)
