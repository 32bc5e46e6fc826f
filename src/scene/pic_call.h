// The building blocks of the actions on pics. Most of them make one call on
// the pic of their first argument, or on every pic of a mission, with the
// other arguments read as numbers of some kind; a template says which call
// and how each argument is read, so no action repeats the reading:
//   using tZebAction_alphing = tPicCall<tPicImage, &tPicImage::zeb_alphing, tPicArg::NUMBER, tPicArg::TICKS>;
// The waiting twin of an action makes the same call, then holds its block:
//   using tZebAction_walphing = tWaitDuration<tZebAction_alphing>;
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>

#include "core/numeric.h"
#include "gui/app_messages.h"
#include "scene/pic.h"
#include "script/zeb_action.h"

namespace vandrell {

// How an argument after the target is read.
enum class tPicArg : uint8_t {
  NUMBER,
  TRUNC,    // a number truncated toward zero
  ROUND,    // a number rounded to the nearest whole one
  TICKS,    // a duration in ticks, in seconds
  RATE,     // an amount per tick, per second
  MS,       // milliseconds, in seconds
  CHANNEL,  // a colour part from 0 to 255, from 0 to 1
  PIC,      // another pic, or null
};

// The wait of the twins whose change is made at once: the block goes on at
// the next update, when the change has been seen.
constexpr float NEXT_UPDATE = 0.001f;

class tPicAction : public tZebAction {
 protected:
  template <tPicArg Kind>
  auto arg(int32_t i) {
    if constexpr (Kind == tPicArg::NUMBER) return number(i);
    if constexpr (Kind == tPicArg::TRUNC) return trunci(number(i));
    if constexpr (Kind == tPicArg::ROUND) return roundi(number(i));
    if constexpr (Kind == tPicArg::TICKS) return ticks(i);
    if constexpr (Kind == tPicArg::RATE) return rate(i);
    if constexpr (Kind == tPicArg::MS) return ms(i);
    if constexpr (Kind == tPicArg::CHANNEL) return number(i) / 255.0f;
    if constexpr (Kind == tPicArg::PIC) return object<tPic>(i);
  }

  // Arguments 1, 2, ... read as `Kinds` say, in the order they are written.
  template <tPicArg... Kinds>
  auto args() {
    return argsFrom<Kinds...>(std::make_index_sequence<sizeof...(Kinds)>{});
  }

  // The pics tagged with the mission that argument i names, in order. Only
  // a name that is no mission is reported: a mission may have no pics.
  tPicList missionPics(int32_t i);

  // Calls `Operation` on `pic` with `values`; what it answers is a wait in
  // seconds, 0 when it answers nothing.
  template <auto Operation, class Pic, class Values>
  static float invoke(Pic& pic, const Values& values) {
    return std::apply(
        [&pic](const auto&... value) -> float {
          if constexpr (std::is_void_v<std::invoke_result_t<decltype(Operation), Pic&, decltype(value)...>>) {
            std::invoke(Operation, pic, value...);
            return 0.0f;
          } else {
            return std::invoke(Operation, pic, value...);
          }
        },
        values);
  }

 private:
  template <tPicArg... Kinds, size_t... I>
  auto argsFrom(std::index_sequence<I...>) {
    // Braces evaluate left to right.
    return std::tuple<decltype(arg<Kinds>(0))...>{arg<Kinds>(static_cast<int32_t>(I) + 1)...};
  }
};

// One call on the pic of argument 0 when it is a `Pic`.
template <class Pic, auto Operation, tPicArg... Kinds>
class tPicCall : public tPicAction {
 public:
  float exec() override {
    call();
    return 0.0f;
  }

 protected:
  // What the call answers; 0 without the pic.
  float call() {
    const auto pic = object<Pic>(0);
    return pic ? invoke<Operation>(*pic, args<Kinds...>()) : 0.0f;
  }
  // The duration of a timed change, its last argument.
  float duration() { return ticks(static_cast<int32_t>(sizeof...(Kinds))); }
};

// The same call on every pic of the mission that argument 0 names that is a
// `Pic`; the arguments are read once for all of them.
template <class Pic, auto Operation, tPicArg... Kinds>
class tMissionPicsCall : public tPicAction {
 public:
  float exec() override {
    const auto values = args<Kinds...>();
    for (const tPicPtr& member : missionPics(0)) {
      if (const auto pic = std::dynamic_pointer_cast<Pic>(member)) invoke<Operation>(*pic, values);
    }
    return 0.0f;
  }
};

// The waiting twins.
template <class Action>
class tWaitNextUpdate : public Action {
 public:
  float exec() override {
    Action::exec();
    return NEXT_UPDATE;
  }
};

// Waits as long as the change takes, also when there is no pic to change:
// scripts time their blocks by it.
template <class Action>
class tWaitDuration : public Action {
 public:
  float exec() override {
    Action::exec();
    return this->duration();
  }
};

// Waits the time the call answers, nothing without a pic.
template <class Action>
class tWaitAnswer : public Action {
 public:
  float exec() override { return this->call(); }
};

}  // namespace vandrell
