// SPDX-License-Identifier: MIT
// The cues: what the wave reader accepts, and what reaches the audio output.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <string>
#include <vector>

#include "ui/sound/cueoutput.h"
#include "ui/sound/pulseloader.h"
#include "ui/sound/soundplayer.h"
#include "ui/sound/wavefile.h"
#include "ui/system/platform.h"

namespace quorvane::ui {
namespace {

QByteArray le32(std::uint32_t v) {
    const char bytes[] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    return QByteArray(bytes, 4);
}
QByteArray le16(std::uint16_t v) {
    const char bytes[] = {char(v), char(v >> 8)};
    return QByteArray(bytes, 2);
}
QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray out = QByteArray(id, 4) + le32(std::uint32_t(body.size())) + body;
    if (body.size() % 2 != 0) {
        out += '\0';
    }
    return out;
}
QByteArray fmtBody(int format, int channels, int rate, int bits) {
    const int align = channels * bits / 8;
    return le16(std::uint16_t(format)) + le16(std::uint16_t(channels)) + le32(std::uint32_t(rate)) +
           le32(std::uint32_t(rate * align)) + le16(std::uint16_t(align)) +
           le16(std::uint16_t(bits));
}
QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(std::uint32_t(chunks.size() + 4)) + "WAVE" + chunks;
}

const QByteArray kSamples = QByteArray::fromHex("0100ff7f0080fe01");  // four 16-bit samples

TEST(WaveFile, ReadsPcmAndRefusesWhatItCannotPlay) {
    const QByteArray fmt16 = chunk("fmt ", fmtBody(1, 1, 44100, 16));
    struct Case {
        const char* what;
        QByteArray file;
        QByteArray samples;  // empty: refused
    };
    const std::vector<Case> cases = {
        {"plain mono 16-bit", riff(fmt16 + chunk("data", kSamples)), kSamples},
        {"an odd-sized chunk before the data is skipped with its pad byte",
         riff(fmt16 + chunk("LIST", "abc") + chunk("data", kSamples)), kSamples},
        {"a data chunk cut short keeps its whole frames",
         riff(fmt16 + "data" + le32(100) + kSamples + "x"), kSamples},
        {"an extended format chunk",
         riff(chunk("fmt ", fmtBody(1, 1, 44100, 16) + le16(0)) + chunk("data", kSamples)),
         kSamples},
        {"float samples",
         riff(chunk("fmt ", fmtBody(3, 1, 44100, 32)) + chunk("data", kSamples)),
         {}},
        {"24-bit samples",
         riff(chunk("fmt ", fmtBody(1, 1, 44100, 24)) + chunk("data", kSamples)),
         {}},
        {"no channels",
         riff(chunk("fmt ", fmtBody(1, 0, 44100, 16)) + chunk("data", kSamples)),
         {}},
        {"a rate of zero", riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + chunk("data", kSamples)), {}},
        {"data before the format", riff(chunk("data", kSamples) + fmt16), {}},
        {"no data", riff(fmt16), {}},
        {"empty data", riff(fmt16 + chunk("data", {})), {}},
        {"a chunk claiming more than the file",
         riff(fmt16 + "LIST" + le32(0xfffffff0u) + "ab"),
         {}},
        {"a short format chunk",
         riff(chunk("fmt ", "\x01\x00\x01\x00") + chunk("data", kSamples)),
         {}},
        {"not RIFF", "RIFX" + riff(fmt16).mid(4), {}},
        {"not WAVE", riff(fmt16).replace(8, 4, "AVI "), {}},
        {"empty file", {}, {}},
        {"the header alone", riff({}).left(10), {}},
    };
    for (const Case& c : cases) {
        const std::optional<Wave> wave = decodeWave(c.file);
        if (c.samples.isEmpty()) {
            EXPECT_FALSE(wave.has_value()) << c.what;
        } else {
            ASSERT_TRUE(wave.has_value()) << c.what;
            EXPECT_EQ(wave->samples, c.samples) << c.what;
            EXPECT_EQ(wave->sampleRate, 44100) << c.what;
            EXPECT_EQ(wave->channels, 1) << c.what;
            EXPECT_EQ(wave->bitsPerSample, 16) << c.what;
        }
    }
}

// Stands in for the audio device and writes down what it was asked to do.
class RecordingOutput : public CueOutput {
  public:
    struct Call {
        std::string what;
        QByteArray samples;
    };
    explicit RecordingOutput(std::vector<Call>& calls) : calls_(calls) {}
    void play(const Wave& wave) override { calls_.push_back({"play", wave.samples}); }
    void stop() override { calls_.push_back({"stop", {}}); }
    void prepare(const Wave& wave) override { calls_.push_back({"prepare", wave.samples}); }

  private:
    std::vector<Call>& calls_;
};

QByteArray dataChunkOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    const qsizetype at = bytes.indexOf("data");
    EXPECT_GT(at, 0);
    const QByteArray size = bytes.mid(at + 4, 4);
    const auto length = qsizetype(std::uint8_t(size[0]) | std::uint8_t(size[1]) << 8 |
                                  std::uint8_t(size[2]) << 16 | std::uint32_t(size[3]) << 24);
    return bytes.mid(at + 8, length);
}

TEST(SoundPlayer, PlaysEachCueFromItsFirstSampleAndANewCueCutsOffTheOld) {
    const QString dir = dataDir();
    std::vector<RecordingOutput::Call> calls;
    SoundPlayer player(dir, std::make_unique<RecordingOutput>(calls));

    player.play("\\hit.wav");
    player.play("\\and.wav");
    player.play("\\hit.wav");
    player.play("\\nothing-here.wav");  // the beep, and silence on the output

    const QByteArray hit = dataChunkOf(dir + "/hit.wav");
    const QByteArray match = dataChunkOf(dir + "/and.wav");
    ASSERT_GT(hit.size(), 1000);
    ASSERT_GT(match.size(), 1000);
    ASSERT_EQ(calls.size(), 7u);
    const std::vector<std::pair<std::string, QByteArray>> expected = {
        {"stop", {}}, {"play", hit}, {"stop", {}}, {"play", match},
        {"stop", {}}, {"play", hit}, {"stop", {}},
    };
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].what, expected[i].first) << i;
        EXPECT_TRUE(calls[i].samples == expected[i].second) << i;
    }
    EXPECT_EQ(player.cuesStarted(), 4);
}

TEST(SoundPlayer, PrepareReadsTheCuesAheadAndSkipsTheMissingOnes) {
    const QString dir = dataDir();
    std::vector<RecordingOutput::Call> calls;
    SoundPlayer player(dir, std::make_unique<RecordingOutput>(calls));
    player.prepare({"\\hit.wav", "\\missing.wav", "\\gamewin.wav"});
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].samples, dataChunkOf(dir + "/hit.wav"));
    EXPECT_EQ(calls[1].samples, dataChunkOf(dir + "/gamewin.wav"));
    EXPECT_EQ(player.cuesStarted(), 0);
}

// The real device path against a sound server that takes the connection and never answers: the
// cues are asked for, cut off and ended without a wait (a wait would hang here until the test's
// time limit).
TEST(SoundPlayer, AServerThatNeverAnswersHoldsNoCueUp) {
    QTemporaryDir dir;
    const QByteArray socketPath = QFile::encodeName(dir.filePath("native"));
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(),
                static_cast<std::size_t>(socketPath.size()));
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 8), 0);
    const QByteArray savedServer = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:" + socketPath);
    {
        auto output = std::make_unique<PulseAudioOutput>("quorvane-test");
        const PulseAudioOutput* device = output.get();
        SoundPlayer player(dataDir(), std::move(output));
        player.prepare({"\\hit.wav", "\\and.wav", "\\gameover.wav", "\\gamewin.wav"});
        for (int i = 0; i < 50; ++i) {
            player.play(i % 2 == 0 ? "\\hit.wav" : "\\gamewin.wav");
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(player.cuesStarted(), 50);
        EXPECT_FALSE(device->unavailable());
    }
    qputenv("PULSE_SERVER", savedServer);
    // The output did try the server: its connection waits in the listener's queue.
    const int pending = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    EXPECT_GE(pending, 0) << "the server was never asked";
    if (pending >= 0) {
        ::close(pending);
    }
    ::close(listener);
}

// The client library is loaded at the first cue, whole or not at all; without it the cues are
// silent and nothing else changes.
TEST(CueOutput, LoadsTheClientLibraryWholeOrNotAtAll) {
    const PulseLibrary* library = loadPulseLibrary("libpulse.so.0");
    ASSERT_NE(library, nullptr);  // it comes with the headers the build needs
    EXPECT_EQ(loadPulseLibrary("libpulse.so.0"), library);
    EXPECT_EQ(loadPulseLibrary("libquorvane-no-such-library.so.0"), nullptr);
    EXPECT_EQ(loadPulseLibrary("libm.so.6"), nullptr);  // loads, but has none of the functions

    const Wave wave{44100, 1, 16, kSamples};
    PulseAudioOutput output("quorvane-test", "libquorvane-no-such-library.so.0");
    EXPECT_FALSE(output.unavailable());  // not known before the first use
    output.prepare(wave);
    output.play(wave);
    output.stop();
    output.play(wave);
    EXPECT_TRUE(output.unavailable());
}

}  // namespace
}  // namespace quorvane::ui
