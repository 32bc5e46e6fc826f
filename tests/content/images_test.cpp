// Every picture the engine names by path exists, decodes with the engine's own loader,
// loose and from the archive, and has the size the HUD and menus are laid out for.
#include <algorithm>
#include <cstdlib>

#include "content_tree.h"
#include "platform/pixmap.h"

namespace vandrell {

namespace {

struct Expected {
  const char* name;
  int32_t width;
  int32_t height;
};

// Sizes in design units; the reasons are the layouts that place them.
const Expected kImages[] = {
    // The panel spans the screen width; its frame rises above the item slots.
    {"panel_bg", 800, 120}, {"panel", 800, 130},
    // Slots sit 70 units apart; the border breathes at 0.75 to 0.85 of its size around them.
    {"item", 64, 64}, {"item_hover", 64, 64}, {"item_border", 84, 84},
    // Panel buttons: the journal's form is 40 x 30, the hint and zoom forms 50 x 25.
    {"journal", 48, 40}, {"journal_hover", 48, 40},
    {"sos", 56, 32}, {"sos_hover", 56, 32}, {"sos_bg", 72, 44},
    {"zoom", 44, 30}, {"zoom_hover", 44, 30},
    {"loupe", 272, 264},
    {"resist", 260, 56}, {"resist_border", 300, 80}, {"resist_bar", 200, 24}, {"resist_colorbar", 200, 24},
    // Text backgrounds are tiled every 180 units.
    {"txt", 180, 64}, {"txt_border", 212, 92},
    {"unibutton", 140, 84}, {"unibutton_hover", 140, 84}, {"unibutton_border", 164, 108},
    // The in-game menu button is an 80 x 30 form in the top-right corner.
    {"menu_bg", 80, 32}, {"menu_bg2", 24, 24}, {"menu_border", 88, 38},
    {"cursor", 64, 64}, {"cursor_hover", 64, 64}, {"cursor_hand", 64, 64}, {"cursor_1", 64, 64},
    {"cursor_2", 64, 64}, {"cursor_3", 64, 64}, {"cursor_6", 64, 64}, {"cursor_attention", 24, 24},
    // 51 frames of 256 x 256, eight to a row.
    {"loading", 2048, 1792},
    {"icon", 32, 32}, {"icon_16", 16, 16},
};

int32_t alphaAt(const TPixmap& pixmap, int32_t x, int32_t y) {
  return static_cast<int32_t>((static_cast<uint32_t>(pixmap.ReadPixel(x, y)) >> 24) & 0xFF);
}

class ContentImagesTest : public ContentTest {
 protected:
  // The loose picture, decoded; fails the test when it is missing.
  static TPixmapPtr load(const std::string& name) {
    TPixmapPtr pixmap = LoadPixmap(root() + "/media/data/" + name + ".png");
    EXPECT_NE(pixmap, nullptr) << name;
    return pixmap;
  }
};

TEST_F(ContentImagesTest, EveryNamedPictureDecodesAtItsSizeInEveryLayout) {
  for (const Expected& image : kImages) {
    for (ContentLayout& layout : open(std::string("media/data/") + image.name + ".png")) {
      SCOPED_TRACE(std::string(image.name) + " (" + layout.name + ")");
      ASSERT_NE(layout.stream, nullptr) << "missing";
      TPixmapPtr pixmap = LoadPixmap(layout.stream);
      ASSERT_NE(pixmap, nullptr) << "does not decode";
      EXPECT_EQ(pixmap->width, image.width);
      EXPECT_EQ(pixmap->height, image.height);
    }
  }
}

TEST_F(ContentImagesTest, LoadingStripHoldsFiftyOneCellsOf256) {
  TPixmapPtr strip = load("loading");
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->width % 256, 0);
  EXPECT_EQ(strip->height % 256, 0);
  EXPECT_GE((strip->width / 256) * (strip->height / 256), 51);
  // Every frame is drawn: the centre of each of the 51 cells is opaque.
  for (int32_t cell = 0; cell < 51; ++cell) {
    const int32_t x = (cell % (strip->width / 256)) * 256 + 128;
    const int32_t y = (cell / (strip->width / 256)) * 256 + 140;
    EXPECT_EQ(alphaAt(*strip, x, y), 255) << "frame " << cell;
  }
}

TEST_F(ContentImagesTest, CursorsPointAtTheirCentreBecauseTheyAreDrawnCentred) {
  for (const char* name : {"cursor", "cursor_hover", "cursor_hand", "cursor_1", "cursor_2", "cursor_3", "cursor_6"}) {
    TPixmapPtr cursor = load(name);
    ASSERT_NE(cursor, nullptr);
    int32_t strongest = 0;
    for (int32_t dy = -4; dy <= 4; ++dy) {
      for (int32_t dx = -4; dx <= 4; ++dx) {
        strongest = std::max(strongest, alphaAt(*cursor, cursor->width / 2 + dx, cursor->height / 2 + dy));
      }
    }
    EXPECT_GE(strongest, 200) << name << " has nothing solid at the pointer";
  }
}

TEST_F(ContentImagesTest, LoupeLeavesItsLensClearAroundTheHandlePoint) {
  TPixmapPtr loupe = load("loupe");
  ASSERT_NE(loupe, nullptr);
  // The magnified circle (radius about 95 around (111, 97)) shows through the glass...
  EXPECT_LT(alphaAt(*loupe, 111, 97), 40);
  EXPECT_LT(alphaAt(*loupe, 111 - 60, 97 + 30), 140);
  // ...and the rim covers its edge all round.
  EXPECT_EQ(alphaAt(*loupe, 111, 97 - 91), 255);
  EXPECT_EQ(alphaAt(*loupe, 111 - 91, 97), 255);
  EXPECT_EQ(alphaAt(*loupe, 111 + 91, 97), 255);
  EXPECT_EQ(alphaAt(*loupe, 111, 97 + 91), 255);
}

TEST_F(ContentImagesTest, PanelFrameShieldsTheSceneButShowsTheSlots) {
  TPixmapPtr panel = load("panel");
  ASSERT_NE(panel, nullptr);
  // The panel is hovered where its alpha reaches 128: slots behind the window stay
  // reachable, the rail, band and console take the pointer.
  const int32_t top = 600 - panel->height;
  EXPECT_LT(alphaAt(*panel, 300, 528 - top), 128) << "slot window";
  EXPECT_LT(alphaAt(*panel, 50, 500 - top), 128) << "first slot";
  EXPECT_GE(alphaAt(*panel, 300, 590 - top), 128) << "label band";
  EXPECT_GE(alphaAt(*panel, 740, 540 - top), 128) << "button console";
}

TEST_F(ContentImagesTest, TintedMeterLiquidIsGreySoTheScriptColourShowsTrue) {
  TPixmapPtr liquid = load("resist_colorbar");
  ASSERT_NE(liquid, nullptr);
  int32_t coloured = 0;
  for (int32_t y = 0; y < liquid->height; ++y) {
    for (int32_t x = 0; x < liquid->width; ++x) {
      const auto argb = static_cast<uint32_t>(liquid->ReadPixel(x, y));
      const int32_t r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
      if ((argb >> 24) > 0 && (std::abs(r - g) > 2 || std::abs(g - b) > 2)) ++coloured;
    }
  }
  EXPECT_EQ(coloured, 0);
}

TEST_F(ContentImagesTest, HoverPicturesMatchTheirNormalPictures) {
  // Hover faces are drawn centred over the normal ones; a size mismatch shows as a jump.
  for (auto [normal, hover] : {std::pair{"item", "item_hover"}, std::pair{"journal", "journal_hover"},
                               std::pair{"sos", "sos_hover"}, std::pair{"zoom", "zoom_hover"},
                               std::pair{"unibutton", "unibutton_hover"}, std::pair{"resist_bar", "resist_colorbar"}}) {
    TPixmapPtr a = load(normal), b = load(hover);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->width, b->width) << hover;
    EXPECT_EQ(a->height, b->height) << hover;
  }
}

}  // namespace

}  // namespace vandrell
