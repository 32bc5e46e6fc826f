// Recording input to a text file and feeding it back, so that a play session
// recorded once replays as a test. One event a line:
//   frame id data mods x y
// Lines starting with "#" are comments.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/event.h"
#include "platform/stream.h"

namespace vandrell {

struct TRecordedEvent {
  int32_t frame = 0;
  TEvent event;
};

// Writes every event that enters the platform queue, tagged with the frame
// number given by setFrame.
class TInputRecorder {
 public:
  // Null when the file cannot be created.
  static std::unique_ptr<TInputRecorder> Create(const std::string& path);
  ~TInputRecorder();

  void setFrame(int32_t frame) { _frame = frame; }
  void record(const TEvent& ev);

 private:
  explicit TInputRecorder(TStreamPtr stream) : _stream(std::move(stream)) {}
  TStreamPtr _stream;
  int32_t _frame = 0;
};

// Feeds recorded events back into the platform queue at their frames.
class TInputReplay {
 public:
  // Null (with a diagnostic line) when the file is missing; malformed lines
  // are reported and skipped.
  static std::unique_ptr<TInputReplay> Load(const std::string& path);
  static std::unique_ptr<TInputReplay> Parse(const std::string& text, const std::string& name);

  // Posts every event recorded for this frame (and any earlier ones not yet
  // posted).
  void feed(int32_t frame);
  bool finished() const { return _next >= _events.size(); }
  const std::vector<TRecordedEvent>& events() const { return _events; }

 private:
  std::vector<TRecordedEvent> _events;
  size_t _next = 0;
};

}  // namespace vandrell
