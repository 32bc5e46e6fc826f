// Turns key events into key messages and remembers which keys are held.
#pragma once

#include <array>
#include <cstdint>

#include "gui/catcher.h"

namespace vandrell {

class tGuiKeyCatcher : public tGuiCatcher {
 public:
  // The root's catcher.
  static tGuiKeyCatcher& Current();

  // 1 while the key is held. Codes outside 0-255 have no entry and read 0.
  int32_t pressed(int32_t key) const;
  int32_t shiftPressed() const;
  int32_t altPressed() const;
  int32_t ctrlPressed() const;
  // Either system (Windows) key.
  int32_t sysPressed() const;
  void flush();

 protected:
  int32_t _event(const TEvent& ev) override;
  int32_t _message(tGuiMessage& msg) override;
  // Codes outside the table still send their messages.
  virtual void _keyUp(int32_t key);
  virtual void _keyDown(int32_t key);
  virtual void _keyChar(int32_t character);

 private:
  static constexpr int32_t KEY_LSHIFT = 160;
  static constexpr int32_t KEY_RSHIFT = 161;
  static constexpr int32_t KEY_LCONTROL = 162;
  static constexpr int32_t KEY_RCONTROL = 163;
  static constexpr int32_t KEY_LALT = 164;
  static constexpr int32_t KEY_RALT = 165;
  static constexpr int32_t KEY_LSYSTEM = 91;
  static constexpr int32_t KEY_RSYSTEM = 92;

  int32_t eitherPressed(int32_t left, int32_t right) const;
  void setPressed(int32_t key, int32_t state);

  std::array<int32_t, 256> _pressed{};
};


}  // namespace vandrell
