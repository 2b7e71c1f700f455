// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class SoundBackend;

// Plays a WAV clip in the background and returns at once. An empty name, a missing file or a
// machine without sound plays nothing and says nothing; nor does a player the user has switched
// off, which does not even load the audio stack. A clip beyond the limits below, or a
// file that is not a WAV clip, plays nothing and is named in one warning line.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    // The clips are stings of a few seconds (ours are under 2 s and 80 KB). The audio stack keeps
    // a whole clip decoded in memory, so a long or huge file would hold that memory for good.
    static constexpr qint64 MaxClipBytes = qint64 { 8 } * 1024 * 1024;
    static constexpr int MaxClipSeconds = 30;

    using Recorder = std::function<void(const QString &fileName)>;

    explicit SoundPlayer(QObject *parent = nullptr);

    // Loads the audio plugin and creates the output. Done a little after the window is up: on
    // PulseAudio a sound effect made and played at the same moment is silent, because the output
    // device is not known yet; and start-up need not wait for the audio stack. Switched off, it
    // does nothing.
    void prepare();
    void play(const QString &fileName);

    // On by default. Switched off, nothing is played or prepared; switched on again, the next
    // clip plays as before.
    void setEnabled(bool on) { enabled = on; }
    bool isEnabled() const { return enabled; }
    // Whether the audio stack has been loaded (or tried: a machine may have none).
    bool isPrepared() const { return prepared; }

    // Test seam: clips that would be played go to the recorder instead of the sound card.
    static void setRecorder(Recorder recorder);

private:
    SoundBackend *backend = nullptr;
    QObject *player = nullptr;
    bool prepared = false;
    bool enabled = true;
};
