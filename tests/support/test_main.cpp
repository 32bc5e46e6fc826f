// Entry point of every test program: headless platform, then GoogleTest.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/window.h"

using namespace vandrell;

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_RENDER_DRIVER", "software", 1);
  SetHeadless(true);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  ShutdownPlatform();
  return result;
}
