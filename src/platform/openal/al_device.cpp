// Devices and contexts of the OpenAL back end: OpenAL Soft on the desktop,
// Emscripten's OpenAL over Web Audio in a browser, which has no loopback
// devices.
#if __has_include(<AL/alext.h>)
#include <AL/alext.h>
#define VANDRELL_AL_LOOPBACK 1
#endif

#include <cstdlib>
#include <string>

#include "platform/log.h"
#include "platform/openal/al_objects.h"
#include "platform/stderr_capture.h"
#include "platform/window.h"

namespace vandrell {

static_assert(AUDIO_FORMAT_MONO16 == AL_FORMAT_MONO16 && AUDIO_FORMAT_STEREO16 == AL_FORMAT_STEREO16);

namespace {

// Runs a call that probes the sound drivers. The drivers' own libraries (ALSA,
// for one) print their complaints to standard error; they go to the debug log
// instead, so a machine without a sound card starts as quietly as any other.
template <class Call>
auto quietly(Call call) {
  TStderrCapture capture;
  auto result = call();
  for (const std::string& line : capture.finish()) DebugLog("openal> " + line);
  return result;
}

#ifdef VANDRELL_AL_LOOPBACK
struct tLoopbackCalls {
  LPALCLOOPBACKOPENDEVICESOFT open = nullptr;
  LPALCISRENDERFORMATSUPPORTEDSOFT supports = nullptr;
  LPALCRENDERSAMPLESSOFT render = nullptr;

  static const tLoopbackCalls& get() {
    static const tLoopbackCalls calls = [] {
      tLoopbackCalls found;
      if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return found;
      found.open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
      found.supports = reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(
          alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
      found.render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
      return found;
    }();
    return calls;
  }
  bool present() const { return open && supports && render; }
};
#endif

}  // namespace

bool AudioLibraryAvailable() { return true; }

TAudioDevicePtr TAudioDevice::OpenDefault() {
  // OpenAL Soft reads its log level when it is first called and logs to
  // standard error. A developer who wants its log sets ALSOFT_LOGLEVEL (and
  // ALSOFT_LOGFILE) himself.
  setenv("ALSOFT_LOGLEVEL", "0", 0);
  // A run without a display has no listener either: mix into the null output
  // instead of probing sound cards that are not there.
  if (IsHeadless()) setenv("ALSOFT_DRIVERS", "null", 0);
  ALCdevice* device = quietly([] { return alcOpenDevice(nullptr); });
  if (!device) return nullptr;
  return std::make_shared<TALDevice>(device, std::vector<ALCint>{}, false);
}

TAudioDevicePtr TAudioDevice::OpenLoopback(int32_t rate, int32_t channels) {
#ifndef VANDRELL_AL_LOOPBACK
  return nullptr;
#else
  const tLoopbackCalls& calls = tLoopbackCalls::get();
  if (!calls.present() || rate <= 0 || (channels != 1 && channels != 2)) return nullptr;
  ALCdevice* device = calls.open(nullptr);
  if (!device) return nullptr;
  const ALCint layout = channels == 1 ? ALC_MONO_SOFT : ALC_STEREO_SOFT;
  if (!calls.supports(device, rate, layout, ALC_SHORT_SOFT)) {
    alcCloseDevice(device);
    return nullptr;
  }
  std::vector<ALCint> attributes = {
      ALC_FORMAT_CHANNELS_SOFT, layout, ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT, ALC_FREQUENCY, rate, 0};
  return std::make_shared<TALDevice>(device, std::move(attributes), true);
#endif
}

TALDevice::TALDevice(ALCdevice* device, std::vector<ALCint> attributes, bool loopback)
    : _device(device), _attributes(std::move(attributes)), _loopback(loopback) {}

TALDevice::~TALDevice() { alcCloseDevice(_device); }

TAudioContextPtr TALDevice::createContext() {
  const ALCint* attributes = _attributes.empty() ? nullptr : _attributes.data();
  ALCcontext* context = quietly([&] { return alcCreateContext(_device, attributes); });
  if (!context) return nullptr;
  return std::make_shared<TALContext>(std::static_pointer_cast<TALDevice>(shared_from_this()), context);
}

bool TALDevice::render(int16_t* samples, int32_t frames) {
  if (!_loopback || frames < 0) return false;
#ifdef VANDRELL_AL_LOOPBACK
  tLoopbackCalls::get().render(_device, samples, frames);
#endif
  return true;
}

TALContext::TALContext(std::shared_ptr<TALDevice> device, ALCcontext* context)
    : _device(std::move(device)), _context(context) {}

TALContext::~TALContext() {
  _deactivate();
  alcDestroyContext(_context);
}

void TALContext::use() {
  if (alcGetCurrentContext() != _context) alcMakeContextCurrent(_context);
}

bool TALContext::_activate() { return alcMakeContextCurrent(_context) == ALC_TRUE; }

void TALContext::_deactivate() {
  if (alcGetCurrentContext() == _context) alcMakeContextCurrent(nullptr);
}

}  // namespace vandrell
