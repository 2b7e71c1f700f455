#pragma once

#include <QObject>
#include <QString>

#include <functional>

class SoundBackend;

// Plays a WAV clip in the background and returns at once. An empty name, a missing file or a
// machine without sound plays nothing and says nothing.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    using Recorder = std::function<void(const QString &fileName)>;

    explicit SoundPlayer(QObject *parent = nullptr);

    // Loads the audio plugin and creates the output. Done a little after the window is up: on
    // PulseAudio a sound effect made and played at the same moment is silent, because the output
    // device is not known yet; and start-up need not wait for the audio stack.
    void prepare();
    void play(const QString &fileName);

    // Test seam: clips go to the recorder instead of the sound card.
    static void setRecorder(Recorder recorder);

private:
    SoundBackend *backend = nullptr;
    QObject *player = nullptr;
    bool prepared = false;
};
