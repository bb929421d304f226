// SPDX-License-Identifier: MIT
// The four cue sounds: synthesised notes and a tick, brought to one loudness, written as WAV.
#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "makers.h"
#include "output.h"

namespace quorvane::assetgen {

namespace {

constexpr int kRate = 44100;

struct Note {
    double start;        // seconds
    double length;       // seconds until the note is cut
    double freq;         // Hz
    double decay;        // per second
    double partials[4];  // amplitudes of harmonics 1..4
};

std::vector<double> renderNotes(const std::vector<Note>& notes, double total) {
    std::vector<double> out(static_cast<std::size_t>(total * kRate), 0.0);
    for (const Note& note : notes) {
        const auto first = static_cast<std::size_t>(note.start * kRate);
        const auto count = static_cast<std::size_t>(note.length * kRate);
        for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.004);
            const double release = std::min(1.0, (note.length - t) / 0.02);
            double v = 0.0;
            for (int h = 0; h < 4; ++h) {
                v += note.partials[h] * std::sin(2.0 * std::numbers::pi * note.freq * (h + 1) * t);
            }
            out[first + i] += v * attack * release * std::exp(-note.decay * t);
        }
    }
    return out;
}

std::vector<double> clickSound() {
    // A short wooden tick: two damped partials and a breath of noise at the onset.
    std::vector<double> out(static_cast<std::size_t>(0.05 * kRate));
    std::uint32_t seed = 12345;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        seed = seed * 1664525u + 1013904223u;
        const double noise = (static_cast<double>(seed >> 8) / 8388608.0 - 1.0);
        const double end = std::min(1.0, (0.05 - t) / 0.005);
        out[i] = end * (0.8 * std::sin(2 * std::numbers::pi * 1750 * t) * std::exp(-t / 0.010) +
                        0.5 * std::sin(2 * std::numbers::pi * 880 * t) * std::exp(-t / 0.018) +
                        0.12 * noise * std::exp(-t / 0.0015));
    }
    return out;
}

std::vector<double> matchSound() {
    // Two bright bell strokes a fifth apart.
    const double bell[4] = {1.0, 0.0, 0.28, 0.12};
    return renderNotes({{0.0, 0.30, 1318.5, 9.0, {bell[0], bell[1], bell[2], bell[3]}},
                        {0.09, 0.36, 1975.5, 8.0, {bell[0], bell[1], bell[2], bell[3]}}},
                       0.46);
}

// Four notes step seconds apart in one voice; the last is held longer and decays at its own rate.
struct Phrase {
    double freqs[4];
    double step;
    double length, lastLength;
    double decay, lastDecay;
    double voice[4];  // amplitudes of harmonics 1..4
};

std::vector<double> renderPhrase(const Phrase& phrase, double total) {
    std::vector<Note> notes;
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        notes.push_back({phrase.step * i,
                         last ? phrase.lastLength : phrase.length,
                         phrase.freqs[i],
                         last ? phrase.lastDecay : phrase.decay,
                         {phrase.voice[0], phrase.voice[1], phrase.voice[2], phrase.voice[3]}});
    }
    return renderNotes(notes, total);
}

std::vector<double> gameOverSound() {
    // A falling minor phrase in a soft, hollow voice.
    return renderPhrase(
        {{392.0, 311.13, 261.63, 196.0}, 0.19, 0.2, 0.34, 3.0, 4.5, {1.0, 0.0, 0.12, 0.0}}, 0.92);
}

std::vector<double> gameWinSound() {
    // A rising major arpeggio that rings out on the octave.
    return renderPhrase(
        {{523.25, 659.25, 783.99, 1046.5}, 0.12, 0.16, 0.5, 6.0, 4.0, {1.0, 0.35, 0.15, 0.06}},
        0.88);
}

// Loudness as the ear meets a short cue: the strongest 50 ms stretch, by its mean square.
double loudness(const std::vector<double>& s) {
    const std::size_t window = kRate / 20;
    double best = 0.0;
    for (std::size_t start = 0; start < s.size(); start += kRate / 200) {
        double sum = 0.0;
        const std::size_t end = std::min(s.size(), start + window);
        for (std::size_t i = start; i < end; ++i) {
            sum += s[i] * s[i];
        }
        best = std::max(best, std::sqrt(sum / static_cast<double>(window)));
    }
    return best;
}

QByteArray wavBytes(const std::vector<double>& samples) {
    QByteArray bytes;
    auto put32 = [&bytes](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes.append(static_cast<char>((v >> (8 * i)) & 0xff));
        }
    };
    auto put16 = [&bytes](std::uint16_t v) {
        bytes.append(static_cast<char>(v & 0xff));
        bytes.append(static_cast<char>(v >> 8));
    };
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    bytes.append("RIFF");
    put32(36 + dataSize);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    bytes.append("data");
    put32(dataSize);
    for (double v : samples) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }
    return bytes;
}

}  // namespace

void makeSounds() {
    struct Cue {
        const char* file;
        std::vector<double> samples;
    };
    std::vector<Cue> cues = {{"sounds/hit.wav", clickSound()},
                             {"sounds/and.wav", matchSound()},
                             {"sounds/gameover.wav", gameOverSound()},
                             {"sounds/gamewin.wav", gameWinSound()}};
    // Bring every cue to the same loudness, as loud as the one with the highest peak allows.
    double target = 0.25;
    for (const Cue& cue : cues) {
        double peak = 0.0;
        for (double v : cue.samples) {
            peak = std::max(peak, std::abs(v));
        }
        target = std::min(target, 0.89 * loudness(cue.samples) / peak);
    }
    for (Cue& cue : cues) {
        const double gain = target / loudness(cue.samples);
        for (double& v : cue.samples) {
            v *= gain;
        }
        writeBytes(QString::fromLatin1(cue.file), wavBytes(cue.samples));
    }
}

}  // namespace quorvane::assetgen
