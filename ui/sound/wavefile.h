// SPDX-License-Identifier: MIT
// A wave file read into memory: the cues are short RIFF files of uncompressed PCM.
#pragma once

#include <QByteArray>
#include <optional>

namespace quorvane::ui {

struct Wave {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
    QByteArray samples;     // the data chunk, whole frames only

    friend bool operator==(const Wave&, const Wave&) = default;
};

// Reads a RIFF WAVE of 8- or 16-bit PCM, mono or stereo. Anything else, and anything damaged or
// truncated before its first sample, gives nothing.
std::optional<Wave> decodeWave(const QByteArray& file);

}  // namespace quorvane::ui
