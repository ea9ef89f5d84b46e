#include "platform/wav.h"

#include <QFile>
#include <cstdint>
#include <cstring>

namespace qm {

namespace {

std::uint32_t u32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

std::uint16_t u16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::uint16_t(b[0] | b[1] << 8);
}

}  // namespace

std::optional<WavSound> parseWav(const QByteArray& bytes) {
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return std::nullopt;
    WavSound sound;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= size) {
        const char* chunk = data + at;
        const qsizetype length = qsizetype(u32(chunk + 4));
        const qsizetype body = at + 8;
        // A chunk that claims more than the file holds: the file was cut short.
        if (length > size - body) return std::nullopt;
        const qsizetype available = length;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (available < 16) return std::nullopt;
            const char* f = data + body;
            if (u16(f) != 1) return std::nullopt;  // PCM only
            sound.channels = u16(f + 2);
            sound.sampleRate = int(u32(f + 4));
            sound.bitsPerSample = u16(f + 14);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return std::nullopt;
            sound.samples = bytes.mid(body, available);
            break;
        }
        at = body + available + (available & 1);
    }
    if (!haveFormat || sound.samples.isEmpty()) return std::nullopt;
    if (sound.channels < 1 || sound.channels > 2) return std::nullopt;
    if (sound.bitsPerSample != 8 && sound.bitsPerSample != 16) return std::nullopt;
    if (sound.sampleRate < 4000 || sound.sampleRate > 192000) return std::nullopt;
    const int frame = sound.channels * sound.bitsPerSample / 8;
    sound.samples.truncate(sound.samples.size() - sound.samples.size() % frame);
    if (sound.samples.isEmpty()) return std::nullopt;
    return sound;
}

std::optional<WavSound> readWavFile(const QString& file) {
    QFile f(file);
    if (file.isEmpty() || f.size() > 16 * 1024 * 1024 || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    return parseWav(f.readAll());
}

}  // namespace qm
