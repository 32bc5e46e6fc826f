// An item of the bottom panel: the player takes it up from its slot and
// clicks where it belongs, so it counts clicks only while it is held. It may
// carry a message shown instead of taking it up, and a number of decoys the
// player must find before hints point at it.
#pragma once

#include <cstdint>
#include <string>

#include "scene/mission.h"

namespace vandrell {

class tItemMission : public tMission {
 public:
  // Adds "fake", "fakeCounter", "fakeComplete" and "message" to the keys of
  // tMission.
  void saveInstant(tConfigBase& cfg, const std::string& section) override;
  void loadInstant(tConfigBase& cfg, const std::string& section) override;
  // Held, shown, enabled and not complete.
  int32_t test() const override;
  // A counted click also takes one decoy back.
  void apply(int32_t flag) override;
  // With decoys required, only once enough were found.
  int32_t sosAvail() const override;

  // The name of the text a click on the slot shows instead of taking the
  // item up; "" for none.
  virtual void message(const std::string& text) { _message = text; }
  virtual int32_t isMessage() const { return _message.empty() ? 0 : 1; }
  // Runs a one-action script that shows the text at the pointer.
  virtual void showMessage();
  // Decoys found so far.
  virtual int32_t fakeCount() const { return _fakeCounter; }
  // Decoys required, 0 for none; the count of found ones starts over.
  virtual void fake(int32_t n);
  virtual void addFake(int32_t n);
  virtual int32_t isFake() const { return _fake > 0 ? 1 : 0; }
  virtual int32_t getFake() const { return _fake; }
  virtual int32_t isFakeComplete() const { return _fakeComplete; }

 protected:
  std::string _message;
  int32_t _fake = 0;
  int32_t _fakeCounter = 0;
  int32_t _fakeComplete = 0;
};

}  // namespace vandrell
