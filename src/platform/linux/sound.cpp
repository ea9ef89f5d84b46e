// Sound on Linux: each wave file through a Qt Multimedia audio sink of its own.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <optional>

#include "platform/pictures.h"
#include "platform/services.h"
#include "platform/wav.h"

namespace qm {

namespace {
QAudioFormat audioFormat(const WavSound& wav) {
    QAudioFormat f;
    f.setSampleRate(wav.sampleRate);
    f.setChannelCount(wav.channels);
    f.setSampleFormat(wav.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return f;
}
}  // namespace

struct RealSoundPlayer::Sound {
    std::optional<WavSound> wav;
    QBuffer buffer;
    std::unique_ptr<QAudioSink> sink;
};

RealSoundPlayer::RealSoundPlayer(QString root) : root_(std::move(root)), guard_(std::make_unique<QObject>()) {}

RealSoundPlayer::~RealSoundPlayer() {
    for (Sound* s : std::as_const(sounds_)) {
        if (s->sink) s->sink->stop();
        delete s;
    }
}

RealSoundPlayer::Sound* RealSoundPlayer::sound(const QString& programPath) {
    const QString file = resolveProgramPath(root_, programPath);
    const QString key = file.isEmpty() ? programPath : file;
    if (Sound* known = sounds_.value(key)) return known;
    auto* s = new Sound;
    sounds_.insert(key, s);
    QFile f(file);
    if (!file.isEmpty() && f.size() <= 16 * 1024 * 1024 && f.open(QIODevice::ReadOnly)) s->wav = parseWav(f.readAll());
    if (!s->wav) return s;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(audioFormat(*s->wav))) {
        s->wav.reset();
        return s;
    }
    s->buffer.setData(s->wav->samples);
    s->sink = std::make_unique<QAudioSink>(device, audioFormat(*s->wav));
    return s;
}

void RealSoundPlayer::prepare(const QStringList& programPaths) {
    // First the output device (the audio back end connects to the sound server here),
    // then one file a turn; each step is short, and nothing waits on them.
    QObject* guard = guard_.get();  // the steps die with the player
    QTimer::singleShot(0, guard, [this, guard, programPaths] {
        (void)QMediaDevices::defaultAudioOutput();
        for (int i = 0; i < programPaths.size(); ++i)
            QTimer::singleShot(i + 1, guard, [this, path = programPaths[i]] { (void)sound(path); });
    });
}

bool RealSoundPlayer::playable(const QString& programPath) const {
    const QString file = resolveProgramPath(root_, programPath);
    const Sound* s = sounds_.value(file.isEmpty() ? programPath : file);
    return s && s->sink;
}

void RealSoundPlayer::play(const QString& programPath) {
    Sound* s = sound(programPath);
    if (!s->sink) return;  // no file, a damaged one, or no audio device: silence
    // A new request restarts a sound that is still playing.
    s->sink->stop();
    s->buffer.close();
    s->buffer.open(QIODevice::ReadOnly);
    s->sink->start(&s->buffer);
}

}  // namespace qm
