#include "platform/process.h"

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/window.h"

namespace vandrell {

namespace {
struct ProcessState {
  std::vector<std::string> args;
  std::string title;
};
ProcessState& state() {
  static ProcessState s;
  return s;
}
}  // namespace

void SetAppArgs(int argc, char** argv) {
  state().args.assign(argv, argv + argc);
}

const std::vector<std::string>& AppArgs() { return state().args; }

std::string AppFile() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return exe.generic_string();
  if (!state().args.empty()) {
    return std::filesystem::absolute(state().args[0], ec).generic_string();
  }
  return {};
}

std::string AppDir() {
  return std::filesystem::path(AppFile()).parent_path().generic_string();
}

std::string GetEnv(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? value : "";
}

void SetAppTitle(const std::string& title) {
  state().title = title;
  SetWindowCaption(title);
}

const std::string& AppTitle() { return state().title; }

void ExitProcess(int32_t code) { throw TProcessExit{code}; }

void PrintLine(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

int64_t MemoryInUse() {
#ifdef __EMSCRIPTEN__
  const struct mallinfo info = mallinfo();  // the browser's heap is small enough for its ints
#else
  const struct mallinfo2 info = mallinfo2();
#endif
  return static_cast<int64_t>(info.uordblks + info.hblkhd);
}

}  // namespace vandrell
