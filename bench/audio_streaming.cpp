// The frame loop's cost of keeping music and four sounds streaming: one
// minute of the demo title's own music and effects at 60 frames per second,
// played into a loopback device (whose mixing, done by the sound library's
// own thread on a real device, is not counted). Prints the cost per frame as
// a share of a 60 Hz frame.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "audio/audio.h"
#include "platform/audio_device.h"
#include "platform/filesystem.h"
#include "platform/process_wide.h"
#include "platform/stream.h"

using namespace vandrell;

namespace {

constexpr int32_t RATE = 44100;
constexpr int32_t FPS = 60;
constexpr int32_t FRAMES = 60 * FPS;
constexpr size_t SOUNDS = 4;
constexpr double TARGET_SHARE = 2.0;  // percent of a frame

const char* const EFFECTS[] = {"chime", "door", "hint", "item_found", "sos", "sparkle", "butterfly", "msgshow"};

}  // namespace

int main() {
  // The content build puts music/ and media/ beside the program.
  ChangeDir(VANDRELL_CONTENT_DIR);
  if (FileType("music/explore.ogg") != FILETYPE_FILE) {
    std::fprintf(stderr, "no demo music in %s: build the content first\n", VANDRELL_CONTENT_DIR);
    return 1;
  }
  TAudioDevicePtr device = TAudioDevice::OpenLoopback(RATE, 2);
  TAudioContextPtr context = device ? device->createContext() : nullptr;
  if (!context) {
    std::fprintf(stderr, "the audio library offers no loopback device\n");
    return 1;
  }
  tCurrentScope<TAudioContext> current(context);
  auto audio = std::make_shared<tAudio>();
  audio->loadTracks(CreateBankStream("explore\n0\nmenu\n0\ntense\n0\n"));

  std::vector<int16_t> mix(RATE / FPS * 2);
  double total = 0, worst = 0;
  size_t effect = 0, started = 0;
  for (int32_t frame = 0; frame < FRAMES; ++frame) {
    const auto begin = std::chrono::steady_clock::now();
    while (audio->sounds().size() < SOUNDS) {
      audio->sound(EFFECTS[effect++ % std::size(EFFECTS)], 1.0f);
      ++started;
    }
    tGuiObject::sendto(*audio, GUIMSG_UPDATE(), tFloatArray{1.0f / FPS});
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    total += ms;
    worst = std::max(worst, ms);
    device->render(mix.data(), RATE / FPS);
  }

  const double frameMs = 1000.0 / FPS;
  const double mean = total / FRAMES;
  std::printf("music and %zu sounds streaming, %d frames at %d Hz, %zu sounds started\n", SOUNDS, FRAMES, FPS,
              started);
  std::printf("mean cost per frame   %.4f ms = %.2f%% of a frame (target under %.1f%%)\n", mean,
              100.0 * mean / frameMs, TARGET_SHARE);
  // Starting a stream decodes its first second at once: the worst frames.
  std::printf("worst frame           %.4f ms = %.2f%% of a frame\n", worst, 100.0 * worst / frameMs);
  return 0;
}
