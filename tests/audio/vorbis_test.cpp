#include "audio/vorbis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audio/ogg_samples.h"
#include "support/log_capture.h"
#include "support/loopback_audio.h"

namespace vandrell {

namespace {

constexpr int32_t RATE = 22050;
constexpr int32_t FRAME = RATE / 50;  // one frame of the game loop at 50 per second

std::unique_ptr<tVorbis> open(const std::string& file, const std::string& label = "test> ") {
  return tVorbis::create(CreateBankStream(file), label);
}

// Runs the game's frames: decode, then the device plays one frame's worth.
void step(tVorbis& stream, LoopbackAudio& audio, int32_t frames = 1) {
  for (int32_t i = 0; i < frames; ++i) {
    stream.decode();
    audio.render(FRAME);
  }
}

// Plays the stream to its end (at most `limit` frames); the number of frames.
int32_t playToEnd(tVorbis& stream, LoopbackAudio& audio, int32_t limit) {
  stream.play();
  int32_t frames = 0;
  while (!stream.eof() && frames < limit) {
    step(stream, audio);
    ++frames;
  }
  return frames;
}

class VorbisTest : public ::testing::Test {
 protected:
  // The whole stream through the device, compared with a direct decode.
  void expectIntactPlayback(int32_t channels, double seconds) {
    LoopbackAudio audio(RATE, channels);
    const std::string file = ToneOgg(seconds, channels, RATE);
    const std::vector<int16_t> reference = DecodeOgg(file);
    std::unique_ptr<tVorbis> stream = open(file);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->channels(), channels);
    EXPECT_EQ(stream->rate(), RATE);
    EXPECT_NEAR(stream->length(), seconds, 0.01);

    const int32_t frames = playToEnd(*stream, audio, 1000);
    EXPECT_TRUE(stream->eof());
    EXPECT_NEAR(frames / 50.0, seconds, 0.1) << "the stream ends when its last sample has played";
    audio.render(FRAME);  // what the mix still lags behind
    const size_t total = reference.size() / channels;
    EXPECT_TRUE(PlaysReference(audio.mixed(), 0, reference, 0, total, channels));
    EXPECT_LE(LoopbackAudio::peak(audio.render(FRAME)), 2) << "nothing plays after the end";
  }
};

}  // namespace

TEST_F(VorbisTest, StereoStreamsThroughTheDeviceWithItsSamplesIntact) { expectIntactPlayback(2, 2.3); }

TEST_F(VorbisTest, MonoStreamsThroughTheDeviceWithItsSamplesIntact) { expectIntactPlayback(1, 1.7); }

TEST_F(VorbisTest, SeekPlaysFromThereAndPositionFollowsWhatIsHeard) {
  LoopbackAudio audio(RATE, 2);
  const std::string file = ToneOgg(4.0, 2, RATE);
  const std::vector<int16_t> reference = DecodeOgg(file);
  std::unique_ptr<tVorbis> stream = open(file);
  ASSERT_TRUE(stream);
  EXPECT_DOUBLE_EQ(stream->position(), 0.0);

  stream->seek(2.5);
  EXPECT_NEAR(stream->position(), 2.5, 1e-6);
  stream->play();
  step(*stream, audio, 25);
  EXPECT_NEAR(stream->position(), 3.0, 0.02) << "half a second later";
  EXPECT_TRUE(PlaysReference(audio.mixed(), 0, reference, 2.5 * RATE, RATE / 2 - 300, 2));

  stream->seek(1.0);  // while playing: goes on playing from there
  const size_t mark = audio.mixed().size() / 2;
  step(*stream, audio, 25);
  EXPECT_NEAR(stream->position(), 1.5, 0.02);
  EXPECT_TRUE(PlaysReference(audio.mixed(), mark, reference, RATE, RATE / 2 - 300, 2));

  stream->pause();
  audio.render(FRAME);
  const double held = stream->position();
  step(*stream, audio, 10);
  EXPECT_TRUE(stream->paused());
  EXPECT_DOUBLE_EQ(stream->position(), held);

  stream->stop();
  EXPECT_DOUBLE_EQ(stream->position(), 0.0);
  EXPECT_FALSE(stream->eof());
  const size_t restart = audio.mixed().size() / 2;
  stream->play();
  step(*stream, audio, 25);
  EXPECT_TRUE(PlaysReference(audio.mixed(), restart, reference, 0, RATE / 2 - 300, 2))
      << "after stop, play starts over";

  stream->seek(-3.0);
  EXPECT_DOUBLE_EQ(stream->position(), 0.0) << "positions before the start are the start";
  stream->seek(99.0);
  step(*stream, audio, 5);
  EXPECT_TRUE(stream->eof()) << "positions past the end are the end";
}

TEST_F(VorbisTest, AFrameLongerThanTheQueueGoesOnWithNewSamples) {
  LoopbackAudio audio(RATE, 1);
  const std::string file = ToneOgg(3.0, 1, RATE);
  const std::vector<int16_t> reference = DecodeOgg(file);
  std::unique_ptr<tVorbis> stream = open(file);
  stream->play();
  audio.render(RATE * 3 / 2);  // one and a half seconds without a frame
  EXPECT_FALSE(stream->eof());
  const size_t resumed = audio.mixed().size();
  const double heard = stream->position();
  EXPECT_NEAR(heard, 1.0, 0.001) << "both buffers were heard";
  step(*stream, audio, 20);
  EXPECT_TRUE(PlaysReference(audio.mixed(), resumed, reference, std::llround(heard * RATE), RATE / 4, 1))
      << "the dry source starts again where the stream stands, not over its old buffers";
}

TEST_F(VorbisTest, WithoutADeviceAStreamRunsThroughSilently) {
  tCurrentScope<TAudioContext> none(nullptr);
  std::unique_ptr<tVorbis> stream = open(ToneOgg(2.0, 2, RATE));
  ASSERT_TRUE(stream);
  stream->play();
  for (int32_t frame = 0; frame < 10 && !stream->eof(); ++frame) stream->decode();
  EXPECT_TRUE(stream->eof());
}

TEST_F(VorbisTest, BadFilesAreRefusedOrCutShortWithADiagnosticNeverACrash) {
  LoopbackAudio audio(RATE, 2);
  const std::string good = ToneOgg(10.0, 2, RATE);  // long enough for many pages
  LogCapture log;

  EXPECT_EQ(tVorbis::create(nullptr, "sound> gone"), nullptr);
  EXPECT_TRUE(log.contains("sound> gone: no such file"));
  EXPECT_EQ(open(std::string(3000, 'x'), "sound> noise"), nullptr);
  EXPECT_TRUE(log.contains("sound> noise: not an Ogg Vorbis file"));
  EXPECT_EQ(open(good.substr(0, 200), "sound> stub"), nullptr) << "cut inside the headers";
  EXPECT_TRUE(log.contains("sound> stub: not an Ogg Vorbis file"));
  EXPECT_EQ(open(EncodeOgg(std::vector<int16_t>(3 * RATE, 100), 3, RATE), "sound> surround"), nullptr);
  EXPECT_TRUE(log.contains("sound> surround: 3 channels"));
  EXPECT_LE(LoopbackAudio::peak(audio.render(FRAME)), 2);

  // Cut in the middle: what is there plays, then the stream ends.
  const std::string half = good.substr(0, good.size() / 2);
  std::unique_ptr<tVorbis> cut = open(half, "sound> cut");
  ASSERT_TRUE(cut);
  EXPECT_LT(playToEnd(*cut, audio, 500), 500);
  const std::vector<int16_t> reference = DecodeOgg(half);
  ASSERT_GT(reference.size(), 4u * RATE);
  audio.render(FRAME);
  EXPECT_TRUE(PlaysReference(audio.mixed(), FRAME, reference, 0, reference.size() / 2, 2));

  // Damaged pages in the middle are skipped, with one diagnostic line.
  std::string damaged = good;
  for (size_t i = damaged.size() / 2; i < damaged.size() * 3 / 5; i += 7) damaged[i] = static_cast<char>(~damaged[i]);
  std::unique_ptr<tVorbis> broken = open(damaged, "sound> damaged");
  ASSERT_TRUE(broken);
  EXPECT_LT(playToEnd(*broken, audio, 1000), 1000);
  EXPECT_TRUE(log.contains("sound> damaged: damaged data skipped"));
}

}  // namespace vandrell
