// What a player sees of the item row, drawn on the software renderer with
// the game's own slot pictures and item icons.
#include <gtest/gtest.h>

#include <filesystem>

#include "mission_test_support.h"
#include "platform/pixmap.h"
#include "platform/window.h"
#include "scene/item_art.h"
#include "scene/item_layer.h"
#include "scene/mission_property.h"
#include "scene_test_support.h"
#include "support/render_fixture.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

// The bottom of the design screen: x 0 to 320, y 470 to 610.
class ItemRenderTest : public SceneTest {
 protected:
  static constexpr int32_t WIDTH = 320;
  static constexpr int32_t HEIGHT = 140;
  static constexpr float TOP = 470.0f;

  void SetUp() override {
    graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
    ASSERT_TRUE(graphics);
    SetGraphics(graphics);
    SetClsColor(RenderTest::BACKGROUND >> 16, RenderTest::BACKGROUND >> 8 & 255, RenderTest::BACKGROUND & 255);
    namespace fs = std::filesystem;
    const fs::path data = fs::path(folder.path()) / "media" / "data";
    const fs::path source(VANDRELL_TEST_DATA);
    for (const char* font : {"1s", "2s"}) {
      fs::create_directories(data / font);
      fs::copy_file(source / "fonts" / "dejavu_sans_16", data / font / "font");
      fs::copy_file(source / "fonts" / "dejavu_sans_16.pixmap", data / font / "font.pixmap");
    }
    for (const char* picture : {"item.png", "item_hover.png", "item_border.png"}) {
      fs::copy_file(source / "scene" / picture, data / picture);
    }
    art.emplace(tItemArt::Load());
    tGui::Current().insert(row);
  }
  void TearDown() override {
    CloseGraphics(graphics);
    SetClsColor(0, 0, 0);
    SetBlend(SOLIDBLEND);
    SetTransform(0.0f, 1.0f, 1.0f);
  }

  // The slot of a new item mission showing the test icon `icon`.
  tItemPtr slot(const std::string& id, const std::string& icon, float scale) {
    return row->add(world.item(id), testPicture(icon), scale);
  }
  static TPixmapPtr testPicture(const std::string& name) {
    return LoadPixmap(std::string(VANDRELL_TEST_DATA) + "/scene/" + name);
  }
  TPixmapPtr frame() {
    Cls();
    tGui::Current().render();
    return GrabPixmap(0, 0, WIDTH, HEIGHT);
  }

  TGraphicsPtr graphics;
  TempDir folder;
  tCurrentScope<tFile> media{std::make_shared<tFile>(folder.path() + "/")};
  tCurrentScope<tCacheResourceManager> cache{std::make_shared<tCacheResourceManager>()};
  ScreenScope screen{1, 1, 0, -TOP};
  std::optional<tCurrentScope<tItemArt>> art;
  tMissionWorld world;
  std::shared_ptr<tItemLayer> row = std::make_shared<tItemLayer>();
};

TEST_F(ItemRenderTest, AHeldItemFollowsThePointerAboveTheRow) {
  scene.level->messages["wheel_name"] = tMessage::Create("The golden wheel");
  const tItemPtr wheel = slot("wheel", "goldwheel.png", 0.45f);
  slot("feather", "feather.png", 1.0f);
  const tItemPtr glove = slot("glove", "glove.png", 1.0f);
  glove->getMission()->fake(3);
  glove->getMission()->addFake(2);
  for (int frames = 0; frames < 30; ++frames) SceneTest::frame(0.1f);
  tMissionProperty::Current().hold(wheel->getMission());
  movePointer(260, 40);
  for (int frames = 0; frames < 5; ++frames) SceneTest::frame(0.1f);
  ASSERT_FLOAT_EQ(wheel->v(), 550.0f);

  const TPixmapPtr pixels = frame();
  // The icon is at the pointer; its cushion, lit, is empty.
  EXPECT_FALSE(PixelNear(pixels, 260, 40, RenderTest::BACKGROUND, 20));
  const uint32_t lit = static_cast<uint32_t>(testPicture("item_hover.png")->ReadPixel(32, 32)) & 0xFFFFFF;
  EXPECT_TRUE(PixelNear(pixels, 50, static_cast<int32_t>(wheel->v() - 32.0f - TOP), lit));
  EXPECT_TRUE(MatchesReference(pixels, "item_row_held.png"));
}

}  // namespace

}  // namespace vandrell
