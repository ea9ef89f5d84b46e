// Sound on Windows: each wave file through a waveOut stream of its own, so that sounds
// overlap as they do on Linux and a new request for a sound restarts it.

#include <windows.h>
#include <mmsystem.h>

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

RealSoundPlayer::~RealSoundPlayer() {
    for (Sound* s : std::as_const(sounds_)) {
        s->stop();
        if (s->out) ::waveOutClose(s->out);
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

void RealSoundPlayer::openOutput() {
    // Loads the audio driver.
    (void)::waveOutGetNumDevs();
}

bool RealSoundPlayer::canPlay(const Sound& s) { return s.out != nullptr; }

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
