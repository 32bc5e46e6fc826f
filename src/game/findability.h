// How findable the hidden things of a level are, measured on the real pixels
// the game draws. A hidden thing is a picture pic that a finding mission (a
// text, item or hidden mission) tags. For each one the level is drawn, with
// the menu button over it, by the game's own renderer into the current
// graphics context, and compared with the thing drawn alone:
// - its own area: its opaque pixels (alpha at least one half), wherever they
//   fall, and how much of them lies off the screen, under the bottom panel's
//   opaque art and under the menu button;
// - its visible area: the own pixels that still show once everything drawn
//   above it is drawn (found by drawing the thing once white and once black
//   and keeping the pixels where it makes at least half the difference);
// - its clickable area: the visible pixels inside its hit shape where no
//   object above it claims the click, and the pixels where a click reaches
//   it although it does not show there (a hit shape too large);
// - its contrast: the CIEDE2000 difference between the thing's visible
//   pixels along its outline and the ring of pixels around them, taken cell
//   by cell along the outline (the median), since a thing is found by its
//   outline;
// - whether its hint point (record fields 28, 29) lies on, or within a few
//   units of, its clickable visible pixels.
// Areas are in square design units, distances in design units. The level
// is measured as it stands: callers show what they want seen. Measuring
// changes nothing that stays: the shade, the particles, the thing's picture
// and colour and the drawing state are put back, and the back buffer is
// cleared.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vandrell {

class tLevel;
class tPicImage;

class tFindability {
 public:
  enum tGrade { EASY, MEDIUM, HARD };

  // Below this visible area a thing is hard to spot (about 17 by 17 units).
  static constexpr float SMALL_AREA = 300.0f;
  // Below this contrast a thing melts into its surroundings.
  static constexpr float LOW_CONTRAST = 10.0f;
  // A hint point this close to a clickable visible pixel points at the thing.
  static constexpr float HINT_REACH = 4.0f;
  // Grades: easy needs all three of the first figures, hard follows from any
  // one of the second.
  // A thing of 30 by 30 units is found at a glance, one of 20 by 20 is not.
  static constexpr float EASY_AREA = 900.0f;
  static constexpr float EASY_VISIBLE = 90.0f;
  static constexpr float EASY_CONTRAST = 20.0f;
  static constexpr float HARD_AREA = 400.0f;
  static constexpr float HARD_VISIBLE = 50.0f;
  // A thing showing less of itself than this (percent) is partly covered.
  static constexpr float WHOLE_VISIBLE = 98.0f;

  // Window pixels of one rectangle, one byte each (non-zero: in).
  struct tMask {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
    std::vector<uint8_t> bits;

    bool at(int32_t px, int32_t py) const {
      return px >= x && py >= y && px < x + w && py < y + h && bits[static_cast<size_t>((py - y) * w + (px - x))];
    }
  };

  struct tThing {
    std::string name;
    std::string location;
    // Not shown when measured: measured as it would show.
    bool hidden = false;
    float own = 0.0f;
    float visible = 0.0f;
    float clickable = 0.0f;
    // Where a click reaches the thing although the thing does not show there.
    float clickBeside = 0.0f;
    float offScreen = 0.0f;
    float underPanel = 0.0f;
    float underMenu = 0.0f;
    float contrast = 0.0f;
    // The hint point, design units, and its distance to the nearest
    // clickable visible pixel (-1 when the thing has none).
    float hintH = 0.0f;
    float hintV = 0.0f;
    float hintMiss = -1.0f;
    // The object that takes most clicks meant for the visible thing, "" when
    // none does.
    std::string clickTaker;
    // The visible pixels, and the hint point, in window pixels.
    tMask region;
    float hintX = 0.0f;
    float hintY = 0.0f;

    // Visible area as a percentage of the own area.
    float visiblePercent() const { return own > 0.0f ? 100.0f * visible / own : 0.0f; }
    tGrade grade() const;
  };

  // The figures of one location's things.
  struct tSummary {
    int32_t count = 0;
    float medianVisible = 0.0f;
    // Shares of the things, 0 to 1.
    float partlyCovered = 0.0f;
    float lowContrast = 0.0f;
  };

  // The hidden things of each location, by location id, bottom to top.
  static std::map<std::string, std::vector<std::shared_ptr<tPicImage>>> Things(const tLevel& level);
  // Measures `things`, pics of the location `location` of `level`, in the
  // level as it stands, drawing into the current graphics context, whose
  // pixels the virtual screen maps design units to. Things that are not
  // shown are measured as they would show. Nothing without a context.
  static std::vector<tThing> Measure(tLevel& level, const std::string& location,
                                     const std::vector<std::shared_ptr<tPicImage>>& things);
  static tSummary Summarise(const std::vector<tThing>& things);
  static const char* GradeName(tGrade grade);
};

}  // namespace vandrell
