// The window system's events as the game sees them, fed through SDL's own queue.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/event.h"
#include "platform/input.h"
#include "platform/window.h"

namespace vandrell {

namespace {

class SdlInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(DesktopWidth(), 0) << "the video system starts on first use";
    drain();
  }
  void TearDown() override {
    SetSystemInputEnabled(true);
    drain();
  }

  static void drain() {
    while (PollEvent()) {
    }
    ClearEvents();
  }

  static std::vector<TEvent> pollAll() {
    std::vector<TEvent> events;
    while (PollEvent()) events.push_back(CurrentEvent());
    return events;
  }

  static void pushKey(SDL_Keycode sym, bool down = true, bool repeat = false) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.sym = sym;
    e.key.repeat = repeat;
    SDL_PushEvent(&e);
  }

  static void pushWindowEvent(Uint8 which) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = which;
    SDL_PushEvent(&e);
  }
};

}  // namespace

TEST_F(SdlInputTest, KeysArriveAsTheVirtualKeyCodesTheGameExpects) {
  const std::vector<std::pair<SDL_Keycode, int32_t>> keys = {
      {SDLK_ESCAPE, 27}, {SDLK_RETURN, 13}, {SDLK_a, 'A'}, {SDLK_z, 'Z'}, {SDLK_0, '0'}, {SDLK_9, '9'},
      {SDLK_LSHIFT, 160}, {SDLK_RSHIFT, 161}, {SDLK_LCTRL, 162}, {SDLK_RCTRL, 163}, {SDLK_LALT, 164},
      {SDLK_RALT, 165}, {SDLK_LGUI, 91}, {SDLK_RGUI, 92}, {SDLK_F1, 112}, {SDLK_F12, 123}, {SDLK_LEFT, 37},
      {SDLK_UP, 38}, {SDLK_RIGHT, 39}, {SDLK_DOWN, 40}, {SDLK_SPACE, 32}, {SDLK_BACKSPACE, 8}};
  for (const auto& [sym, code] : keys) {
    pushKey(sym);
    pushKey(sym, false);
    std::vector<TEvent> events = pollAll();
    ASSERT_FALSE(events.empty()) << sym;
    EXPECT_EQ(events.front().id, EVENT_KEYDOWN) << sym;
    EXPECT_EQ(events.front().data, code) << sym;
    EXPECT_EQ(events.back().id, EVENT_KEYUP) << sym;
    EXPECT_EQ(events.back().data, code) << sym;
  }
}

TEST_F(SdlInputTest, HeldKeysRepeatAndControlKeysAlsoTypeTheirCharacter) {
  pushKey(SDLK_BACKSPACE, true, true);
  pushKey(SDLK_RETURN);
  const std::vector<TEvent> events = pollAll();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].id, EVENT_KEYREPEAT);
  EXPECT_EQ(events[1].id, EVENT_KEYCHAR);
  EXPECT_EQ(events[1].data, 8);
  EXPECT_EQ(events[2].id, EVENT_KEYDOWN);
  EXPECT_EQ(events[3].id, EVENT_KEYCHAR);
  EXPECT_EQ(events[3].data, 13);
}

TEST_F(SdlInputTest, TypedTextBecomesOneCharacterEventPerCodePoint) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  SDL_strlcpy(e.text.text, "a\xc3\xa9\xe2\x82\xac", sizeof e.text.text);  // "aé€"
  SDL_PushEvent(&e);
  const std::vector<TEvent> events = pollAll();
  ASSERT_EQ(events.size(), 3u);
  for (const TEvent& ev : events) EXPECT_EQ(ev.id, EVENT_KEYCHAR);
  EXPECT_EQ(events[0].data, 'a');
  EXPECT_EQ(events[1].data, 0xE9);
  EXPECT_EQ(events[2].data, 0x20AC);
}

TEST_F(SdlInputTest, MouseButtonsAreNumberedLeftRightMiddle) {
  const std::vector<std::pair<Uint8, int32_t>> buttons = {
      {SDL_BUTTON_LEFT, 1}, {SDL_BUTTON_RIGHT, 2}, {SDL_BUTTON_MIDDLE, 3}};
  for (const auto& [sdlButton, number] : buttons) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = sdlButton;
    e.button.x = 33;
    e.button.y = 44;
    SDL_PushEvent(&e);
    const std::vector<TEvent> events = pollAll();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, EVENT_MOUSEDOWN);
    EXPECT_EQ(events[0].data, number);
    EXPECT_EQ(events[0].x, 33);
    EXPECT_EQ(MouseY(), 44);
  }
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -2;
  SDL_PushEvent(&wheel);
  const std::vector<TEvent> events = pollAll();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].id, EVENT_MOUSEWHEEL);
  EXPECT_EQ(events[0].data, -2);
}

TEST_F(SdlInputTest, FocusAndCloseBecomeSuspendResumeAndTerminate) {
  pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);  // no suspend before: nothing to resume
  pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  std::vector<int32_t> ids;
  for (const TEvent& ev : pollAll()) ids.push_back(ev.id);
  EXPECT_EQ(ids, (std::vector<int32_t>{EVENT_APPSUSPEND, EVENT_APPRESUME, EVENT_APPTERMINATE}));
}

TEST_F(SdlInputTest, ReplayShutsOutWindowInputButNotWindowEvents) {
  SetSystemInputEnabled(false);
  pushKey(SDLK_a);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  const std::vector<TEvent> events = pollAll();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].id, EVENT_APPTERMINATE);
}

}  // namespace vandrell
