// SPDX-License-Identifier: MIT
#include "ui/sound/wavefile.h"

#include <algorithm>
#include <cstdint>

namespace quorvane::ui {

namespace {

constexpr int kPcmFormat = 1;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;

// Reads little-endian numbers from a byte range, failing softly past its end.
class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    bool has(qsizetype count) const { return count >= 0 && pos_ + count <= bytes_.size(); }
    qsizetype pos() const { return pos_; }
    qsizetype left() const { return bytes_.size() - pos_; }
    void skip(qsizetype count) { pos_ += count; }

    std::uint32_t u32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= std::uint32_t(std::uint8_t(bytes_[pos_ + i])) << (8 * i);
        }
        pos_ += 4;
        return value;
    }
    std::uint16_t u16() {
        const auto value =
            std::uint16_t(std::uint8_t(bytes_[pos_]) | (std::uint8_t(bytes_[pos_ + 1]) << 8));
        pos_ += 2;
        return value;
    }
    QByteArray tag() {
        const QByteArray id = bytes_.mid(pos_, 4);
        pos_ += 4;
        return id;
    }

  private:
    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

}  // namespace

std::optional<Wave> decodeWave(const QByteArray& file) {
    Reader in(file);
    if (!in.has(12) || in.tag() != "RIFF") {
        return std::nullopt;
    }
    in.skip(4);  // the RIFF size; often wrong in the wild, and the chunks say the same
    if (in.tag() != "WAVE") {
        return std::nullopt;
    }
    Wave wave;
    bool haveFormat = false;
    while (in.has(8)) {
        const QByteArray id = in.tag();
        const std::uint32_t size = in.u32();
        if (id == "fmt ") {
            if (size < 16 || !in.has(16)) {
                return std::nullopt;
            }
            const int format = in.u16();
            wave.channels = in.u16();
            wave.sampleRate = static_cast<int>(in.u32());
            in.skip(6);  // byte rate and block align follow from the rest
            wave.bitsPerSample = in.u16();
            if (format != kPcmFormat || wave.channels < 1 || wave.channels > 2 ||
                wave.sampleRate < kMinRate || wave.sampleRate > kMaxRate ||
                (wave.bitsPerSample != 8 && wave.bitsPerSample != 16)) {
                return std::nullopt;
            }
            haveFormat = true;
            in.skip(static_cast<qsizetype>(size) - 16 + (size & 1));
        } else if (id == "data") {
            if (!haveFormat) {
                return std::nullopt;
            }
            // A file cut short keeps what it has, to the last whole frame.
            const qsizetype frame = qsizetype(wave.channels) * (wave.bitsPerSample / 8);
            qsizetype length = std::min<qsizetype>(size, in.left());
            length -= length % frame;
            if (length <= 0) {
                return std::nullopt;
            }
            wave.samples = file.mid(in.pos(), length);
            return wave;
        } else {
            if (size > static_cast<std::uint32_t>(in.left())) {
                return std::nullopt;
            }
            in.skip(static_cast<qsizetype>(size) + (size & 1));  // chunks are padded to even
        }
    }
    return std::nullopt;
}

}  // namespace quorvane::ui
