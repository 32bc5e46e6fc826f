#include "scene/pic_anim.h"

#include <gtest/gtest.h>

#include "resources/config.h"
#include "scene_test_support.h"

namespace vandrell {

namespace {

class PicAnimTest : public SceneTest {
 protected:
  // Four 8 x 8 cells side by side.
  PicAnimTest() { scene.putImage("strip.png", 32, 8, {0xFFFFFFFF}); }

  // Frames `first` to `last` at 5 per second (0.1 per tick), `runs` times,
  // showing `shown` first; `playing` 0 stops it after set-up.
  std::shared_ptr<tPicAnim> flame(const std::string& playing, const std::string& runs, const std::string& first,
                                  const std::string& last, const std::string& shown) {
    auto pic = scene.load<tPicAnim>(
        "flame", "strip.png",
        Record(40, 50, {{15, "8"}, {16, "8"}, {17, "4"}, {18, playing}, {19, runs}, {20, first}, {21, last},
                        {22, "0.1"}, {23, shown}}));
    tGui::Current().insert(pic);
    return pic;
  }
  static int32_t shown(tPicAnim& pic) { return static_cast<int32_t>(pic.zeb_property_frame()); }
};

}  // namespace

TEST_F(PicAnimTest, RecordGivesRangeSpeedRunsAndTheFrameShownFirst) {
  auto pic = flame("1", "2", "2", "4", "3");
  EXPECT_EQ(shown(*pic), 3);
  EXPECT_FLOAT_EQ(pic->zeb_property_sx(), 1) << "the natural size is one cell";
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 40);
  std::vector<int32_t> frames;
  for (int i = 0; i < 6; ++i) {
    frame(0.2f);
    frames.push_back(shown(*pic));
  }
  EXPECT_EQ(frames, (std::vector<int32_t>{4, 2, 3, 4, 4, 4})) << "two runs, then it rests on the last frame";
}

TEST_F(PicAnimTest, StoppedAfterSetUpItRestsOnTheFirstFrameOfItsRange) {
  auto pic = flame("0", "0", "2", "4", "0");
  frame(1);
  EXPECT_EQ(shown(*pic), 2);
  pic->zeb_setanim(0);
  for (int i = 0; i < 7; ++i) frame(0.2f);
  EXPECT_EQ(shown(*pic), 3) << "started again, endless: 2, 3, 4, 2, 3, 4, 2, 3";
  pic->zeb_setframe(1);
  EXPECT_EQ(shown(*pic), 1);
}

TEST_F(PicAnimTest, RestoredMidPlayItGoesOnFrameForFrame) {
  auto original = flame("1", "0", "1", "4", "1");
  frame(0.3f);
  tConfig save;
  original->saveInstant(save, "pic=flame");
  auto restored = std::make_shared<tPicAnim>();
  restored->loadSrc("strip.png", original->prms(), scene.resources);
  restored->loadInstant(save, "pic=flame");
  tGui::Current().insert(restored);
  for (int i = 0; i < 8; ++i) {
    frame(0.15f);
    ASSERT_EQ(shown(*restored), shown(*original)) << "at step " << i;
  }
  EXPECT_FLOAT_EQ(restored->visual().h(), original->visual().h());
}

}  // namespace vandrell
