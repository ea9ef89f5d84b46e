// Sound on Windows: each wave file through a waveOut stream of its own, so that sounds
// overlap as they do on Linux and a new request for a sound restarts it.

#include <windows.h>
#include <mmsystem.h>

#include <QFile>
#include <QTimer>
#include <optional>

#include "platform/pictures.h"
#include "platform/services.h"
#include "platform/wav.h"

namespace qm {

struct RealSoundPlayer::Sound {
    std::optional<WavSound> wav;
    HWAVEOUT out = nullptr;
    WAVEHDR header{};
    bool prepared = false;

    void stop() {
        if (!out) return;
        ::waveOutReset(out);  // stops at once and hands the buffer back
        if (prepared) ::waveOutUnprepareHeader(out, &header, sizeof header);
        prepared = false;
    }
};

RealSoundPlayer::RealSoundPlayer(QString root) : root_(std::move(root)), guard_(std::make_unique<QObject>()) {}

RealSoundPlayer::~RealSoundPlayer() {
    for (Sound* s : std::as_const(sounds_)) {
        s->stop();
        if (s->out) ::waveOutClose(s->out);
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
    if (!s->wav || s->wav->samples.isEmpty()) {
        s->wav.reset();
        return s;
    }
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = WORD(s->wav->channels);
    format.nSamplesPerSec = DWORD(s->wav->sampleRate);
    format.wBitsPerSample = WORD(s->wav->bitsPerSample);
    format.nBlockAlign = WORD(format.nChannels * format.wBitsPerSample / 8);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    // No audio device, or none that takes this format: the sound stays silent.
    if (::waveOutGetNumDevs() == 0 || ::waveOutOpen(&s->out, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        s->out = nullptr;
        s->wav.reset();
        return s;
    }
    s->header.lpData = s->wav->samples.data();
    s->header.dwBufferLength = DWORD(s->wav->samples.size());
    return s;
}

void RealSoundPlayer::prepare(const QStringList& programPaths) {
    // First the audio driver, then one file a turn; each step is short, and nothing waits.
    QObject* guard = guard_.get();  // the steps die with the player
    QTimer::singleShot(0, guard, [this, guard, programPaths] {
        (void)::waveOutGetNumDevs();
        for (int i = 0; i < programPaths.size(); ++i)
            QTimer::singleShot(i + 1, guard, [this, path = programPaths[i]] { (void)sound(path); });
    });
}

bool RealSoundPlayer::playable(const QString& programPath) const {
    const QString file = resolveProgramPath(root_, programPath);
    const Sound* s = sounds_.value(file.isEmpty() ? programPath : file);
    return s && s->out;
}

void RealSoundPlayer::play(const QString& programPath) {
    Sound* s = sound(programPath);
    if (!s->out) return;  // no file, a damaged one, or no audio device: silence
    s->stop();            // a new request restarts a sound that is still playing
    s->header.dwFlags = 0;
    if (::waveOutPrepareHeader(s->out, &s->header, sizeof s->header) != MMSYSERR_NOERROR) return;
    s->prepared = true;
    ::waveOutWrite(s->out, &s->header, sizeof s->header);
}

}  // namespace qm
