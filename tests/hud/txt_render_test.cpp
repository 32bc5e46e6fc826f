// What a player sees of on-screen texts, drawn on the software renderer.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/window.h"
#include "resources/media_lookup.h"
#include "support/render_fixture.h"
#include "support/temp_dir.h"
#include "txt_test_support.h"

namespace vandrell {

namespace {

constexpr uint32_t BLACK = 0x000000;
constexpr uint32_t WHITE = 0xFFFFFF;

class TxtRenderTest : public TxtTest {
 protected:
  static constexpr int32_t WIDTH = 480;
  static constexpr int32_t HEIGHT = 160;

  void SetUp() override {
    graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
    ASSERT_TRUE(graphics);
    SetGraphics(graphics);
    SetClsColor(RenderTest::BACKGROUND >> 16, RenderTest::BACKGROUND >> 8 & 255, RenderTest::BACKGROUND & 255);
  }
  void TearDown() override {
    CloseGraphics(graphics);
    SetClsColor(0, 0, 0);
    SetBlend(SOLIDBLEND);
    SetTransform(0.0f, 1.0f, 1.0f);
  }

  // One frame drawn over the plain background.
  TPixmapPtr frame() {
    Cls();
    tGui::Current().render();
    return GrabPixmap(0, 0, WIDTH, HEIGHT);
  }

  // Background pictures of `width` x `height`, opaque in its left `opaque` columns.
  void useTiles(int32_t width, int32_t height, int32_t opaque) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width * height));
    for (int32_t y = 0; y < height; ++y)
      for (int32_t x = 0; x < opaque; ++x) pixels[static_cast<size_t>(y * width + x)] = 0xFFFFFFFF;
    auto pictures = std::make_shared<tTxtArt>();
    pictures->bg = RenderTest::imageOf(width, height, pixels);
    CentreImageHandle(pictures->bg);
    useArt(pictures);
  }

  // A text of `letters` in the block font, fully shown at (h, v).
  std::shared_ptr<tOpenTxt> shownText(const std::string& name, const std::string& letters, int32_t h, int32_t v) {
    level->messages[name] = tMessage::Create(letters);
    auto txt = text(name, name, 0, h, v);
    txt->zeb_txtxy(h, v);
    return txt;
  }

  TGraphicsPtr graphics;
};

TEST_F(TxtRenderTest, NoBackgroundCoversTheWordsOfAnotherText) {
  useTiles(180, 40, 180);
  auto lower = shownText("lower", "aaaa", 100, 50);
  auto upper = shownText("upper", "bbbb", 100, 58);  // its background reaches over the lower words
  step(1.0f);
  const TPixmapPtr pixels = frame();
  EXPECT_TRUE(PixelNear(pixels, 85, 47, WHITE));  // the lower text's words
  EXPECT_TRUE(PixelNear(pixels, 85, 60, WHITE));  // the upper text's words
  EXPECT_TRUE(PixelNear(pixels, 30, 70, BLACK));  // the backgrounds
  EXPECT_TRUE(PixelNear(pixels, 300, 50, RenderTest::BACKGROUND));
}

TEST_F(TxtRenderTest, AWideTextLaysThreeTilesTurnedAlternately) {
  useTiles(180, 20, 90);  // only the left half of a tile is dark
  auto wide = shownText("wide", std::string(40, 'a'), 240, 50);  // 400 units
  ASSERT_FLOAT_EQ(wide->l(), 400.0f);
  const float first = wide->orientation();
  step(1.0f);
  const TPixmapPtr pixels = frame();
  // Tiles centred at 130, 240 and 350: one facing the way of `first` is
  // dark on its left half, a turned one on its right half.
  const auto darkAt = [&](int32_t x) { return bool(PixelNear(pixels, x, 42, BLACK)); };
  const bool forward = first > 0.0f;
  EXPECT_EQ(darkAt(80), forward);    // first tile, left half
  EXPECT_EQ(darkAt(180), !forward);  // first tile, right half
  EXPECT_EQ(darkAt(230), !forward);  // second tile, left half
  EXPECT_EQ(darkAt(280), forward);   // second tile, right half
  EXPECT_EQ(darkAt(400), !forward);  // third tile, right half
  EXPECT_TRUE(PixelNear(pixels, 20, 42, RenderTest::BACKGROUND));
}

TEST_F(TxtRenderTest, AutomaticRefreshShowsNewValuesWithinATenthOfASecond) {
  level->messages["count"] = tMessage::Create("ab [%%]n");
  script.book().set("n", tExprNumber::Create(1.0f));
  auto txt = text("count", "count", 0);
  txt->zeb_txtautoupdateon();
  txt->zeb_txtxy(0, 0);
  step(1.0f);
  frame();
  EXPECT_EQ(txt->getValue(), "ab 1");
  script.book().set("n", tExprNumber::Create(2.0f));
  for (int frames = 0; frames < 2; ++frames) {
    step(0.05f);
    frame();
  }
  EXPECT_EQ(txt->getValue(), "ab 2");

  txt->zeb_txtautoupdateoff();
  script.book().set("n", tExprNumber::Create(3.0f));
  step(0.5f);
  frame();
  EXPECT_EQ(txt->getValue(), "ab 2");
  txt->zeb_txtupdate();
  EXPECT_EQ(txt->getValue(), "ab 3");
}

// The program's folder with the texts' pictures and one font as font 2.
class TxtMediaTest : public TxtRenderTest {
 protected:
  void SetUp() override {
    TxtRenderTest::SetUp();
    namespace fs = std::filesystem;
    const fs::path data = fs::path(folder.path()) / "media" / "data";
    fs::create_directories(data / "2");
    const fs::path source(VANDRELL_TEST_DATA);
    fs::copy_file(source / "hud" / "txt.png", data / "txt.png");
    fs::copy_file(source / "hud" / "txt_border.png", data / "txt_border.png");
    fs::copy_file(source / "fonts" / "dejavu_sans_16", data / "2" / "font");
    fs::copy_file(source / "fonts" / "dejavu_sans_16.pixmap", data / "2" / "font.pixmap");
    useArt(tTxtArt::Load());
  }

  // Line `line` of message `id` in font `font`, as the level file gives it.
  std::shared_ptr<tOpenTxt> levelText(const std::string& id, int32_t line, int32_t x0, int32_t y0,
                                      const std::string& font) {
    auto txt = std::make_shared<tOpenTxt>();
    layer->insert(txt, id + std::to_string(line));
    txt->loadSrc(id);
    std::vector<std::string> params(27, "");
    params[0] = std::to_string(x0);
    params[1] = std::to_string(y0);
    params[24] = font;
    params[25] = std::to_string(line);
    txt->loadParams(params);
    return txt;
  }

  TempDir folder;
  tCurrentScope<tFile> media{std::make_shared<tFile>(folder.path() + "/")};
  tCurrentScope<tCacheResourceManager> cache{std::make_shared<tCacheResourceManager>()};
};

TEST_F(TxtMediaTest, FontsOneToFourComeFromTheDataFolderAndOthersLeaveNone) {
  EXPECT_GT(levelText("m", 0, 0, 0, "2")->getLetter()->height(), 0);
  EXPECT_EQ(levelText("n", 0, 0, 0, "7")->getLetter(), nullptr);
  EXPECT_EQ(levelText("o", 0, 0, 0, "")->getLetter(), nullptr);
}

TEST_F(TxtMediaTest, ATwoLineMessageArrivingAndAtRest) {
  level->messages["welcome"] = tMessage::Create("The old mill by the river[br]Find [%%]n[%%] of 5 keys");
  script.book().set("n", tExprNumber::Create(3.0f));
  // Orientations alternate over the whole run: the pictures need the first
  // text facing forward, whatever the tests before made.
  if (tOpenTxt().orientation() > 0.0f) tOpenTxt();
  auto first = levelText("welcome", 0, 240, 55, "2");
  auto second = levelText("welcome", 1, 240, 105, "2");
  for (const auto& txt : {first, second}) txt->zeb_txtxy(60, 140);
  step(1.0f / 6.0f);  // half way
  EXPECT_TRUE(MatchesReference(frame(), "txt_arriving.png"));
  step(1.0f);
  EXPECT_EQ(second->getValue(), "Find 3 of 5 keys");
  EXPECT_TRUE(MatchesReference(frame(), "txt_shown.png"));
}

}  // namespace

}  // namespace vandrell
