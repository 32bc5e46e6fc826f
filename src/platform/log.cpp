#include "platform/log.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace vandrell {

namespace {

struct LogState {
  std::FILE* file = nullptr;
  bool ownsFile = false;
  DebugLogHook hook = nullptr;
  void* hookContext = nullptr;
  std::vector<std::string> places;

  ~LogState() { closeFile(); }

  void closeFile() {
    if (ownsFile && file) std::fclose(file);
    file = nullptr;
    ownsFile = false;
  }
};

LogState& state() {
  static LogState s;
  return s;
}

}  // namespace

void DebugLog(std::string_view text) {
  LogState& s = state();
  if (s.hook) s.hook(text, s.hookContext);
  if (!s.file) return;
  if (!s.places.empty()) {
    const std::string& place = s.places.back();
    std::fwrite(place.data(), 1, place.size(), s.file);
    std::fputs(": ", s.file);
  }
  std::fwrite(text.data(), 1, text.size(), s.file);
  std::fputc('\n', s.file);
  std::fflush(s.file);
}

DebugLogPlace::DebugLogPlace(std::string place) { state().places.push_back(std::move(place)); }

DebugLogPlace::~DebugLogPlace() { state().places.pop_back(); }

const std::string& DebugLogPlace::Current() {
  static const std::string nowhere;
  const LogState& s = state();
  return s.places.empty() ? nowhere : s.places.back();
}

bool SetDebugLogTarget(const std::string& target) {
  LogState& s = state();
  s.closeFile();
  if (target.empty()) return true;
  if (target == "-") {
    s.file = stderr;
    return true;
  }
  s.file = std::fopen(target.c_str(), "wb");
  s.ownsFile = s.file != nullptr;
  return s.file != nullptr;
}

void DebugLogFromEnvironment() {
  const char* target = std::getenv("VANDRELL_LOG");
  if (target && *target && !SetDebugLogTarget(target)) {
    std::fprintf(stderr, "vandrell: cannot write the log file \"%s\"\n", target);
  }
}

void SetDebugLogHook(DebugLogHook hook, void* context) {
  state().hook = hook;
  state().hookContext = context;
}

DebugLogHook GetDebugLogHook(void** context) {
  if (context) *context = state().hookContext;
  return state().hook;
}

}  // namespace vandrell
