// Installs a hand-stepped clock for the lifetime of a test and empties the
// event queue before and after it.
#pragma once

#include "platform/clock.h"
#include "platform/event.h"
#include "platform/process_wide.h"

namespace vandrell {

class ManualTime {
 public:
  explicit ManualTime(int32_t start = 1000) : clock(start) { ClearEvents(); }
  ~ManualTime() { ClearEvents(); }
  ManualTime(const ManualTime&) = delete;
  ManualTime& operator=(const ManualTime&) = delete;

  TManualClock clock;

 private:
  tCurrentScope<TClock> _scope{clock};
};

}  // namespace vandrell
