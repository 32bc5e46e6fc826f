#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <vector>

#include "platform/audio_device.h"
#include "platform/process_wide.h"
#include "platform/stderr_capture.h"
#include "support/loopback_audio.h"

namespace vandrell {

namespace {

// A buffer of `frames` stereo frames, every one (left, right).
TAudioBufferPtr constantBuffer(int32_t frames, int16_t left, int16_t right, int32_t rate) {
  std::vector<int16_t> samples;
  for (int32_t i = 0; i < frames; ++i) samples.insert(samples.end(), {left, right});
  TAudioBufferPtr buffer = TAudioContext::Current().createBuffer();
  buffer->data(AUDIO_FORMAT_STEREO16, samples.data(), frames * 4, rate);
  return buffer;
}

// The left and right sample of frame `frame` of interleaved stereo samples.
::testing::AssertionResult FrameNear(const std::vector<int16_t>& samples, size_t frame, int32_t left, int32_t right) {
  const int32_t l = samples.at(frame * 2), r = samples.at(frame * 2 + 1);
  if (std::abs(l - left) <= 2 && std::abs(r - right) <= 2) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "frame " << frame << " is (" << l << ", " << r << "), not (" << left
                                       << ", " << right << ")";
}

class AudioDeviceTest : public ::testing::Test {
 protected:
  LoopbackAudio audio{22050, 2};
  TAudioSourcePtr source = TAudioContext::Current().createSource();
};

}  // namespace

TEST_F(AudioDeviceTest, QueuedBuffersPlayInOrderAndComeBackOldestFirst) {
  ASSERT_TRUE(source);
  const TAudioBufferPtr first = constantBuffer(2205, 1000, -1000, audio.rate);
  const TAudioBufferPtr second = constantBuffer(2205, 3000, -3000, audio.rate);
  source->queue(first);
  source->queue(second);
  EXPECT_EQ(source->queued(), 2);
  EXPECT_EQ(source->processed(), 0);
  EXPECT_EQ(source->state(), TAudioState::INITIAL);

  source->play();
  EXPECT_EQ(source->state(), TAudioState::PLAYING);
  audio.render(1100);
  EXPECT_NEAR(source->offset(), 1100, 64);
  EXPECT_TRUE(FrameNear(audio.mixed(), 1000, 1000, -1000));
  EXPECT_EQ(source->unqueue(), nullptr) << "nothing is processed yet";

  audio.render(2200);
  EXPECT_TRUE(FrameNear(audio.mixed(), 3200, 3000, -3000));
  ASSERT_EQ(source->processed(), 1);
  EXPECT_EQ(source->unqueue(), first);
  EXPECT_EQ(source->queued(), 1);
  EXPECT_EQ(source->processed(), 0);

  audio.render(2000);
  EXPECT_EQ(source->state(), TAudioState::STOPPED) << "a source that played its queue stops";
  EXPECT_EQ(source->processed(), 1);
  EXPECT_TRUE(FrameNear(audio.mixed(), 5200, 0, 0));
}

TEST_F(AudioDeviceTest, GainScalesAndPauseHoldsThePlace) {
  source->queue(constantBuffer(22050, 4000, 4000, audio.rate));
  source->gain(0.5f);
  source->play();
  audio.render(1000);
  EXPECT_TRUE(FrameNear(audio.mixed(), 999, 2000, 2000));

  source->pause();
  EXPECT_EQ(source->state(), TAudioState::PAUSED);
  const int64_t held = source->offset();
  const std::vector<int16_t> paused = audio.render(1000);
  EXPECT_EQ(source->offset(), held);
  EXPECT_TRUE(FrameNear(paused, 999, 0, 0));

  source->play();
  audio.render(1000);
  EXPECT_GT(source->offset(), held + 900);
  source->gain(-1.0f);  // the library would refuse it: heard as silence
  // A change of gain glides over one mixing step, and the mix lags the
  // sources by a few frames.
  audio.render(1000);
  audio.render(100);
  EXPECT_LE(LoopbackAudio::peak(audio.render(1000)), 2);
}

TEST_F(AudioDeviceTest, UnqueueAllRewindsSoTheNextBuffersPlayFromTheirStart) {
  source->queue(constantBuffer(2205, 1000, 1000, audio.rate));
  source->play();
  audio.render(500);
  source->unqueueAll();
  EXPECT_EQ(source->queued(), 0);
  EXPECT_EQ(source->state(), TAudioState::INITIAL);

  source->queue(constantBuffer(2205, -2500, 2500, audio.rate));
  EXPECT_EQ(source->processed(), 0) << "a buffer queued after a rewind is still to be played";
  EXPECT_EQ(source->offset(), 0);
  source->play();
  audio.render(1000);
  EXPECT_TRUE(FrameNear(audio.mixed(), 1400, -2500, 2500));
}

TEST(AudioContext, WithoutAContextTheNullBackEndPlaysEverythingAtOnce) {
  tCurrentScope<TAudioContext> none(nullptr);
  TAudioSourcePtr source = TAudioContext::Current().createSource();
  TAudioBufferPtr a = TAudioContext::Current().createBuffer(), b = TAudioContext::Current().createBuffer();
  ASSERT_TRUE(source && a && b);
  a->data(AUDIO_FORMAT_MONO16, nullptr, 0, 22050);
  source->queue(a);
  source->queue(b);
  source->play();
  EXPECT_EQ(source->state(), TAudioState::STOPPED);
  EXPECT_EQ(source->processed(), 2);
  EXPECT_EQ(source->unqueue(), a);
  EXPECT_EQ(source->unqueue(), b);
  EXPECT_EQ(source->unqueue(), nullptr);
}

TEST(AudioContext, MakeCurrentAndClearCurrentSwapTheContextInUse) {
  tCurrentScope<TAudioContext> none(nullptr);
  TAudioDevicePtr device = TAudioDevice::OpenLoopback(22050, 1);
  ASSERT_TRUE(device);
  TAudioContextPtr context = device->createContext();
  ASSERT_TRUE(context && context->makeCurrent());
  EXPECT_EQ(&TAudioContext::Current(), context.get());
  TAudioContext::ClearCurrent();
  EXPECT_NE(&TAudioContext::Current(), context.get());
}

TEST(AudioContext, ASourceKeepsItsDeviceAfterTheOwnerLetsGo) {
  TAudioSourcePtr source;
  TAudioBufferPtr buffer;
  {
    LoopbackAudio audio(22050, 2);
    source = TAudioContext::Current().createSource();
    buffer = constantBuffer(100, 1, 1, audio.rate);
    source->queue(buffer);
    source->play();
  }
  EXPECT_EQ(source->queued(), 1);
  source.reset();
  buffer.reset();
}

TEST(StderrCapture, KeepsWhatIsWrittenToStandardErrorInLines) {
  TStderrCapture capture;
  std::fprintf(stderr, "first line\nsecond ");
  std::fputs("line\n", stderr);
  const char raw[] = "written to the file itself";
  ASSERT_EQ(write(STDERR_FILENO, raw, sizeof raw - 1), static_cast<ssize_t>(sizeof raw - 1));
  const std::vector<std::string> lines = capture.finish();
  EXPECT_EQ(lines, (std::vector<std::string>{"first line", "second line", "written to the file itself"}));
  EXPECT_TRUE(capture.finish().empty());
}

}  // namespace vandrell
