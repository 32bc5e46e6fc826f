#include "platform/input_record.h"

#include <algorithm>
#include <sstream>

#include "platform/log.h"

namespace vandrell {

std::unique_ptr<TInputRecorder> TInputRecorder::Create(const std::string& path) {
  TStreamPtr stream = WriteFile(path);
  if (!stream) {
    DebugLog("Can't write the input record \"" + path + "\"!");
    return nullptr;
  }
  auto recorder = std::unique_ptr<TInputRecorder>(new TInputRecorder(stream));
  recorder->_stream->writeString("# frame id data mods x y\n");
  SetEventObserver([r = recorder.get()](const TEvent& ev) { r->record(ev); });
  return recorder;
}

TInputRecorder::~TInputRecorder() {
  SetEventObserver(nullptr);
  _stream->close();
}

void TInputRecorder::record(const TEvent& ev) {
  std::ostringstream line;
  line << _frame << ' ' << ev.id << ' ' << ev.data << ' ' << ev.mods << ' ' << ev.x << ' ' << ev.y << '\n';
  _stream->writeString(line.str());
  _stream->flush();
}

std::unique_ptr<TInputReplay> TInputReplay::Load(const std::string& path) {
  TStreamPtr stream = ReadFile(path);
  if (!stream) {
    DebugLog("Can't read the input record \"" + path + "\"!");
    return nullptr;
  }
  const std::vector<uint8_t> bytes = stream->readAll();
  return Parse(std::string(bytes.begin(), bytes.end()), path);
}

std::unique_ptr<TInputReplay> TInputReplay::Parse(const std::string& text, const std::string& name) {
  auto replay = std::make_unique<TInputReplay>();
  std::istringstream lines(text);
  std::string line;
  int lineNumber = 0;
  while (std::getline(lines, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#') continue;
    std::istringstream fields(line);
    TRecordedEvent r;
    std::string rest;
    if (!(fields >> r.frame >> r.event.id >> r.event.data >> r.event.mods >> r.event.x >> r.event.y) ||
        (fields >> rest) || r.frame < 0) {
      DebugLog(name + ":" + std::to_string(lineNumber) + ": skipped malformed input record line \"" + line + "\"");
      continue;
    }
    replay->_events.push_back(r);
  }
  std::stable_sort(replay->_events.begin(), replay->_events.end(),
                   [](const TRecordedEvent& a, const TRecordedEvent& b) { return a.frame < b.frame; });
  return replay;
}

void TInputReplay::feed(int32_t frame) {
  while (_next < _events.size() && _events[_next].frame <= frame) {
    if (!PostEvent(_events[_next].event)) {
      DebugLog("Input replay: event queue full, event of frame " + std::to_string(_events[_next].frame) + " lost");
    }
    ++_next;
  }
}

}  // namespace vandrell
