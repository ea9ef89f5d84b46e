// Sound on Linux: each wave file through a Qt Multimedia audio sink of its own.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
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

RealSoundPlayer::~RealSoundPlayer() {
    for (Sound* s : std::as_const(sounds_)) {
        if (s->sink) s->sink->stop();
        delete s;
    }
}

RealSoundPlayer::Sound* RealSoundPlayer::sound(const QString& programPath) {
    const QString file = resolveProgramPath(root_, programPath);
    const QString key = keyOf(programPath);
    if (Sound* known = sounds_.value(key)) return known;
    auto* s = new Sound;
    sounds_.insert(key, s);
    s->wav = readWavFile(file);
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

void RealSoundPlayer::openOutput() {
    // The audio back end connects to the sound server here.
    (void)QMediaDevices::defaultAudioOutput();
}

bool RealSoundPlayer::canPlay(const Sound& s) { return bool(s.sink); }

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
