// SPDX-License-Identifier: MIT
#pragma once

#include <QFuture>
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QFileInfo;
class SoundBackend;

// Plays a WAV clip in the background and returns at once. An empty name, a missing file or a
// machine without sound plays nothing and says nothing; nor does a player the user has switched
// off, which does not even load the audio stack. A clip beyond the limits of MediaLimits
// (8 MiB, 30 s), or a file that is not a WAV clip, plays nothing and is named in one warning line.
// A clip is checked from its header alone, once for each version of the file (its size and
// modification time), so that a result played again costs only a stat.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    using Recorder = std::function<void(const QString &fileName)>;

    explicit SoundPlayer(QObject *parent = nullptr);

    // Starts loading the audio plugin on Qt's thread pool and returns at once; the output is
    // created on this object's thread once the plugin is in memory. Loading the audio stack
    // (Qt Multimedia, PulseAudio and their codecs) takes tens of milliseconds and megabytes, which
    // neither start-up nor the window's thread should pay; done well before the first clip, it
    // also gives PulseAudio time to know its output device. Switched off, it does
    // nothing.
    void prepare();
    // Plays the clip. Before the output is ready, it waits for the plugin (loading it first if
    // prepare was never called), so that the clip starts before this returns, as it does later.
    void play(const QString &fileName);

    // On by default. Switched off, nothing is played or prepared; switched on again, the next
    // clip plays as before.
    void setEnabled(bool on) { enabled = on; }
    bool isEnabled() const { return enabled; }
    // Whether the audio stack has been loaded (or tried: a machine may have none).
    bool isPrepared() const { return state != State::Unloaded; }

    // Test seam: clips that would be played go to the recorder instead of the sound card.
    static void setRecorder(Recorder recorder);

private:
    enum class State { Unloaded, Loading, Ready };

    // The file as it was when it was checked: a changed size or time means another file.
    struct ClipCheck
    {
        qint64 size = -1;
        qint64 modifiedMs = 0;
        QString problem; // empty: the clip may be played
    };

    void createPlayer();
    QString problemOf(const QFileInfo &file);

    SoundBackend *backend = nullptr;
    QObject *player = nullptr;
    QFuture<void> loading;
    State state = State::Unloaded;
    bool enabled = true;
    QHash<QString, ClipCheck> checked; // by absolute path
};
