#pragma once
// Wave files: reading the PCM sound out of a RIFF/WAVE file.

#include <QByteArray>
#include <QString>
#include <optional>

namespace qm {

struct WavSound {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;  // 8 or 16
    QByteArray samples;     // the PCM data as stored
};

// Reads an uncompressed PCM wave file (8 or 16 bits, one or two channels). Anything
// else, or a damaged or cut-short file, gives nothing; the bytes are never read past
// their end.
std::optional<WavSound> parseWav(const QByteArray& bytes);

// The same from a file; a missing, unreadable or oversized file (over 16 MiB) gives nothing.
std::optional<WavSound> readWavFile(const QString& file);

}  // namespace qm
