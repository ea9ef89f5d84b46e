// Small synthesised sound effects: 16-bit PCM, mono, 22050 Hz.

#include "assetgen.h"

#include <QtEndian>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace assetgen {

namespace {

constexpr int kRate = 22050;
constexpr double kPeak = 0.5;  // about -6 dBFS
constexpr double kTwoPi = 6.283185307179586;

using Signal = std::vector<double>;

// A fixed-seed noise source, so that every run writes the same bytes.
class Noise {
public:
    explicit Noise(quint32 seed) : state_(seed ? seed : 1) {}
    double next() {  // uniform in [-1, 1)
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return double(state_) / 2147483648.0 - 1.0;
    }

private:
    quint32 state_;
};

Signal silence(double seconds) { return Signal(size_t(std::lround(seconds * kRate)), 0.0); }
double timeOf(size_t i) { return double(i) / kRate; }

// Adds a decaying sine that starts at `start` seconds.
void addTone(Signal& s, double start, double freq, double amp, double decay, double attack = 0.002) {
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i) - start;
        if (t < 0)
            continue;
        const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
        s[i] += amp * env * std::sin(kTwoPi * freq * t);
    }
}

// Two-pole band-pass (state-variable) filter with a centre that may move.
class BandPass {
public:
    explicit BandPass(double q) : damp_(1.0 / q) {}
    double run(double in, double centre) {
        const double f = 2.0 * std::sin(M_PI * std::min(centre, kRate * 0.22) / kRate);
        low_ += f * band_;
        const double high = in - low_ - damp_ * band_;
        band_ += f * high;
        return band_;
    }

private:
    double damp_;
    double low_ = 0, band_ = 0;
};

// Raised-cosine fades at both ends, then scaling to the target peak.
void finish(Signal& s, double fadeIn, double fadeOut) {
    const size_t in = size_t(fadeIn * kRate), out = size_t(fadeOut * kRate);
    for (size_t i = 0; i < in && i < s.size(); ++i)
        s[i] *= 0.5 - 0.5 * std::cos(M_PI * double(i) / double(in));
    for (size_t i = 0; i < out && i < s.size(); ++i)
        s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(M_PI * double(i) / double(out));
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::abs(v));
    if (peak > 0)
        for (double& v : s)
            v *= kPeak / peak;
}

QByteArray wav(const Signal& s) {
    QByteArray out;
    auto u32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); out.append(b, 4); };
    auto u16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); out.append(b, 2); };
    const quint32 dataBytes = quint32(s.size() * 2);
    out.append("RIFF", 4);
    u32(36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    out.append("data", 4);
    u32(dataBytes);
    for (double v : s)
        u16(quint16(qint16(std::clamp<long>(std::lround(v * 32767.0), -32768, 32767))));
    return out;
}

// ------------------------------------------------------------------ the sounds

Signal click() {
    Signal s = silence(0.030);
    Noise noise(0x51C0FFEEu);
    double lp = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        lp += 0.35 * (noise.next() - lp);
        s[i] = 0.30 * lp * std::exp(-t / 0.002);
    }
    addTone(s, 0, 1750, 0.55, 0.004, 0.0005);
    addTone(s, 0, 190, 0.50, 0.008, 0.001);
    finish(s, 0.0008, 0.008);
    return s;
}

Signal cash() {
    Signal s = silence(0.60);
    Noise noise(0xCA500001u);
    // "Ka": two quick mechanical clacks.
    double prev = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double raw = noise.next();
        const double bright = raw - prev;  // tilt the noise towards the treble
        prev = raw;
        double env = 0;
        if (t >= 0.000) env += std::exp(-t / 0.006);
        if (t >= 0.028) env += 0.8 * std::exp(-(t - 0.028) / 0.006);
        s[i] += 0.35 * bright * env;
    }
    addTone(s, 0.0, 420, 0.25, 0.010);
    addTone(s, 0.028, 380, 0.2, 0.010);
    // "Ching": a bright bell chord with a few inharmonic overtones.
    const double start = 0.055;
    for (double f : {1318.5, 1661.2, 1975.5}) {
        addTone(s, start, f, 0.30, 0.20, 0.003);
        addTone(s, start, f * 2.76, 0.08, 0.07, 0.002);
        addTone(s, start, f * 2.0, 0.06, 0.12, 0.002);
    }
    addTone(s, start + 0.06, 2637.0, 0.16, 0.12, 0.003);  // a second, higher ring
    // A gentle shimmer on the ring.
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        if (t > start)
            s[i] *= 1.0 - 0.15 * (0.5 - 0.5 * std::cos(kTwoPi * 16 * (t - start)));
    }
    finish(s, 0.001, 0.08);
    return s;
}

Signal boink() {
    Signal s = silence(0.50);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        double f = 150 + 430 * std::exp(-t / 0.11);                // falls from about 580 Hz
        f *= 1.0 + 0.09 * std::sin(kTwoPi * 13 * t) * std::exp(-t / 0.3);  // the springy wobble
        phase += kTwoPi * f / kRate;
        const double env = std::min(1.0, t / 0.006) * std::exp(-t / 0.20);
        s[i] = env * (std::sin(phase) + 0.28 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase));
    }
    finish(s, 0.002, 0.10);
    return s;
}

Signal beep() {
    Signal s = silence(0.25);
    for (auto [start, f, decay] : {std::tuple{0.0, 880.0, 0.07}, std::tuple{0.085, 1318.5, 0.08}}) {
        addTone(s, start, f, 0.5, decay, 0.004);
        addTone(s, start, f * 2, 0.10, decay * 0.6, 0.004);
        addTone(s, start, f * 3, 0.04, decay * 0.4, 0.004);
    }
    finish(s, 0.002, 0.03);
    return s;
}

Signal whizz() {
    Signal s = silence(0.50);
    Noise noise(0x00511E55u);
    BandPass first(3.0), second(3.0);  // two in a row give a clearer, airier band
    double phase = 0;
    const double length = 0.50;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double x = t / length;
        const double centre = 380 * std::pow(5200.0 / 380.0, x);  // sweeps up
        const double env = std::pow(std::sin(M_PI * std::min(1.0, x / 0.72) * 0.5), 2.0) *
                           (x > 0.72 ? std::cos(M_PI * 0.5 * (x - 0.72) / 0.28) : 1.0);
        const double air = second.run(first.run(noise.next(), centre), centre);
        phase += kTwoPi * (centre * 0.32) / kRate;
        s[i] = env * (air + 0.05 * std::sin(phase));
    }
    finish(s, 0.01, 0.04);
    return s;
}

Signal typekey() {
    Signal s = silence(0.040);
    Noise noise(0x7E1E7E1Eu);
    double prev = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double raw = noise.next();
        s[i] = 0.5 * (raw - prev) * std::exp(-t / 0.0018);
        prev = raw;
    }
    addTone(s, 0.0, 2900, 0.35, 0.005, 0.0004);
    addTone(s, 0.004, 230, 0.45, 0.009, 0.001);  // the key bottoming out
    finish(s, 0.0006, 0.010);
    return s;
}

}  // namespace

bool writeSounds(const QDir& assets) {
    const struct {
        const char* name;
        Signal (*make)();
    } sounds[] = {
        {"click.wav", click}, {"cash.wav", cash},   {"boink.wav", boink},
        {"beep.wav", beep},   {"whizz.wav", whizz}, {"typekey.wav", typekey},
    };
    bool ok = true;
    for (const auto& sound : sounds)
        ok = writeFile(assets.filePath(QStringLiteral("wav/") + QLatin1String(sound.name)), wav(sound.make())) && ok;
    return ok;
}

}  // namespace assetgen
