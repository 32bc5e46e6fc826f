#include "game/findability.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/color_difference.h"
#include "core/screen.h"
#include "game/level.h"
#include "gui/input_messages.h"
#include "hud/panel.h"
#include "hud/panel_parts.h"
#include "menus/menu_cmd.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "scene/mission.h"
#include "scene/pic_image.h"
#include "scene/pic_property.h"

namespace vandrell {

namespace {

constexpr float DESIGN_WIDTH = 800.0f;
constexpr float DESIGN_HEIGHT = 600.0f;
// A pixel belongs to a drawing where it makes at least half the difference.
constexpr int32_t HALF = 128;
// The contrast compares bands this many pixels wide on either side of the
// outline, in square cells of this many pixels along it; a cell counts with
// this many pixels on each side.
constexpr int32_t BAND = 3;
constexpr int32_t CELL = 8;
constexpr int32_t CELL_PIXELS = 4;

// A rectangle of window pixels, right and bottom edges excluded.
struct tBox {
  int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;

  static tBox Around(const tRect& r) {
    return {static_cast<int32_t>(std::floor(r.x)), static_cast<int32_t>(std::floor(r.y)),
            static_cast<int32_t>(std::ceil(r.xTo())), static_cast<int32_t>(std::ceil(r.yTo()))};
  }
  int32_t w() const { return std::max(0, x1 - x0); }
  int32_t h() const { return std::max(0, y1 - y0); }
  bool empty() const { return w() == 0 || h() == 0; }
  bool contains(int32_t x, int32_t y) const { return x >= x0 && y >= y0 && x < x1 && y < y1; }
  tBox meet(const tBox& o) const { return {std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1)}; }
  tBox join(const tBox& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    return {std::min(x0, o.x0), std::min(y0, o.y0), std::max(x1, o.x1), std::max(y1, o.y1)};
  }
  tBox grown(int32_t by) const { return {x0 - by, y0 - by, x1 + by, y1 + by}; }
};

tFindability::tMask maskOver(const tBox& box) {
  tFindability::tMask mask{box.x0, box.y0, box.w(), box.h(), {}};
  mask.bits.assign(static_cast<size_t>(mask.w) * static_cast<size_t>(mask.h), 0);
  return mask;
}

void setBit(tFindability::tMask& mask, int32_t x, int32_t y) {
  mask.bits[static_cast<size_t>((y - mask.y) * mask.w + (x - mask.x))] = 1;
}

// Where a hoverable may answer a hit test: its rectangle, turned for images,
// or its pic's polygon; the whole window for anything else.
tBox hitBounds(tGuiHoverable& object) {
  if (auto* clickable = dynamic_cast<tPicClickable*>(&object); clickable && clickable->poly) {
    const auto* rect = dynamic_cast<tGuiRect*>(&object);
    if (rect) return tBox::Around(PlacePicPoly(*clickable->poly, rect->h(), rect->v()).GetProfile());
  }
  if (auto* image = dynamic_cast<tGuiImage*>(&object)) return tBox::Around(image->footprint().GetProfile());
  if (auto* rect = dynamic_cast<tGuiRect*>(&object)) return tBox::Around(rect->xrect());
  constexpr int32_t ALL = std::numeric_limits<int32_t>::max() / 2;
  return {-ALL, -ALL, ALL, ALL};
}

// A copy of `image` with every pixel white and its alpha kept: drawn with a
// colour, it shows exactly where and how strongly the image covers.
TImagePtr silhouette(const TImage& image) {
  auto white = std::make_shared<TImage>(image);
  white->flags &= ~MASKEDIMAGE;
  white->pixmaps.clear();
  for (const TPixmapPtr& pixels : image.pixmaps) {
    TPixmapPtr copy = pixels ? pixels->Copy() : nullptr;
    for (int32_t y = 0; copy && y < copy->height; ++y) {
      uint8_t* p = copy->PixelPtr(0, y);
      for (int32_t x = 0; x < copy->width; ++x, p += 4) p[0] = p[1] = p[2] = 255;
    }
    white->pixmaps.push_back(copy);
  }
  white->frames.assign(white->pixmaps.size(), nullptr);
  white->seqs.assign(white->pixmaps.size(), 0);
  return white;
}

// Draws a picture as its silhouette in one grey level while it lives.
class tSilhouetteScope {
 public:
  explicit tSilhouetteScope(tGuiImage& visual)
      : _visual(visual), _image(visual.getImage()), _color(*visual.color()) {
    if (_image) _visual.image(silhouette(*_image));
  }
  ~tSilhouetteScope() {
    _visual.image(_image);
    _visual.color()->Set(_color);
  }
  tSilhouetteScope(const tSilhouetteScope&) = delete;
  tSilhouetteScope& operator=(const tSilhouetteScope&) = delete;

  void grey(float level) {
    _visual.color()->SetRGBA(level, level, level, _color.a);
    _visual.color()->SetBlending(ALPHABLEND);
  }

 private:
  tGuiImage& _visual;
  TImagePtr _image;
  tColorf _color;
};

// The level as the player sees it: no shade, no particles (they drift and
// hide nothing for long), the menu button over it; all put back after.
class tSceneScope {
 public:
  explicit tSceneScope(tLevel& level) : _level(level), _shade(level.bg().isVisible()) {
    level.bg().visible(0);
    for (const auto& [id, location] : level.locations()) {
      tGuiSet& particles = location->particles();
      _particles.emplace_back(&particles, particles.getFilter());
      particles.filter(_nothing);
    }
    GetViewport(_viewport.x0, _viewport.y0, _viewport.x1, _viewport.y1);
  }
  ~tSceneScope() {
    _level.bg().visible(_shade);
    for (const auto& [particles, filter] : _particles) particles->filter(filter);
    SetViewport(_viewport.x0, _viewport.y0, _viewport.x1, _viewport.y1);
    SetOrigin(0.0f, 0.0f);
    Cls();
  }
  tSceneScope(const tSceneScope&) = delete;
  tSceneScope& operator=(const tSceneScope&) = delete;

  void draw() const {
    tGuiObject::sendto(_level, GUIMSG_RENDER{});
    tMenuCmd& menu = tMenuCmd::Current();
    if (menu.isShow()) tGuiObject::sendto(menu, GUIMSG_RENDER{});
  }
  // Every hoverable of the scene, in the order clicks meet them.
  tHoverList hovers() const {
    tHoverList list;
    tGuiObject::sendto(_level, GUIMSG_HOVER{}, &list);
    tMenuCmd& menu = tMenuCmd::Current();
    if (menu.isShow()) tGuiObject::sendto(menu, GUIMSG_HOVER{}, &list);
    return list;
  }

 private:
  tLevel& _level;
  int32_t _shade;
  std::vector<std::pair<tGuiSet*, std::shared_ptr<tGuiMessageFilter>>> _particles;
  std::shared_ptr<tGuiMessageFilter> _nothing = std::make_shared<tGuiMessageFilter>();
  // x, y, width, height.
  tBox _viewport;
};

// A thing that is not shown, or not enabled, shows and takes the pointer
// while it lives.
class tShowScope {
 public:
  explicit tShowScope(tPicImage& pic)
      : _pic(pic),
        _hidden(pic.zeb_property("hidden")->ToNumber() != 0.0f),
        _shown(pic.isShow()),
        _enabled(pic.isEnable()) {
    if (_shown && _enabled) return;
    pic.show(1);
    pic.gshow(1);
    pic.enable(1);
    pic.genable(1);
  }
  ~tShowScope() {
    if (_shown && _enabled) return;
    if (!_shown) _hidden ? _pic.show(0) : _pic.gshow(0);
    if (!_enabled) _pic.enable(0);
  }
  tShowScope(const tShowScope&) = delete;
  tShowScope& operator=(const tShowScope&) = delete;

  bool wasShown() const { return _shown != 0; }

 private:
  tPicImage& _pic;
  // Whether the pic's own flag hid it (else the global one did).
  bool _hidden;
  int32_t _shown, _enabled;
};

// Pixels of the back buffer, by window position.
class tFrame {
 public:
  explicit tFrame(const tBox& box) : _box(box), _pixels(GrabPixmap(box.x0, box.y0, box.w(), box.h())) {}
  bool has(int32_t x, int32_t y) const { return _pixels && _box.contains(x, y); }
  const uint8_t* at(int32_t x, int32_t y) const { return _pixels->PixelPtr(x - _box.x0, y - _box.y0); }
  // The brightest channel.
  int32_t level(int32_t x, int32_t y) const {
    const uint8_t* p = at(x, y);
    return std::max({p[0], p[1], p[2]});
  }

 private:
  tBox _box;
  TPixmapPtr _pixels;
};

// The design screen in window pixels, within the context.
tBox screenBox() {
  const tBox design{static_cast<int32_t>(std::lround(H2X(0.0f))), static_cast<int32_t>(std::lround(V2Y(0.0f))),
                    static_cast<int32_t>(std::lround(H2X(DESIGN_WIDTH))),
                    static_cast<int32_t>(std::lround(V2Y(DESIGN_HEIGHT)))};
  return design.meet({0, 0, GraphicsWidth(), GraphicsHeight()});
}

// The opaque pixels of the panel's art, over the screen.
tFindability::tMask panelArt(const tBox& screen) {
  tFindability::tMask art = maskOver(screen);
  tPanel& panel = tPanel::Current();
  if (!panel.isShow()) return art;
  for (const auto& member : panel.order()) {
    auto* image = dynamic_cast<tPanelImage*>(member.get());
    if (!image || !image->isVisible()) continue;
    const tBox box = tBox::Around(image->footprint().GetProfile()).meet(screen);
    if (box.empty()) continue;
    SetViewport(box.x0, box.y0, box.w(), box.h());
    Cls();
    tSilhouetteScope white(*image);
    white.grey(1.0f);
    tGuiObject::sendto(*image, GUIMSG_RENDER{});
    const tFrame drawn(box);
    for (int32_t y = box.y0; y < box.y1; ++y)
      for (int32_t x = box.x0; x < box.x1; ++x)
        if (drawn.level(x, y) >= HALF) setBit(art, x, y);
  }
  return art;
}

// Mean L*a*b* of the pixels added to it.
struct tLabSum {
  double L = 0.0, a = 0.0, b = 0.0;
  int32_t n = 0;

  void add(const uint8_t* rgb) {
    const tLab lab = LabOfRgb(rgb[0], rgb[1], rgb[2]);
    L += lab.L;
    a += lab.a;
    b += lab.b;
    ++n;
  }
  tLab mean() const { return {L / n, a / n, b / n}; }
};

// The median CIEDE2000 difference, cell by cell along the outline, between
// the visible pixels near the outline and the pixels around them.
float contrastOf(const tFindability::tMask& visible, const tFrame& frame, const tBox& screen) {
  const tBox box = tBox{visible.x, visible.y, visible.x + visible.w, visible.y + visible.h}.grown(BAND).meet(screen);
  const int32_t columns = (box.w() + CELL - 1) / CELL, rows = (box.h() + CELL - 1) / CELL;
  std::vector<tLabSum> inside(static_cast<size_t>(columns * rows)), around(inside.size());
  tLabSum allInside, allAround;
  for (int32_t y = box.y0; y < box.y1; ++y) {
    for (int32_t x = box.x0; x < box.x1; ++x) {
      if (!frame.has(x, y)) continue;
      const bool in = visible.at(x, y);
      bool edge = false;
      for (int32_t dy = -BAND; dy <= BAND && !edge; ++dy)
        for (int32_t dx = -BAND; dx <= BAND && !edge; ++dx)
          edge = screen.contains(x + dx, y + dy) && visible.at(x + dx, y + dy) != in;
      if (!edge) continue;
      const size_t cell = static_cast<size_t>((y - box.y0) / CELL * columns + (x - box.x0) / CELL);
      (in ? inside[cell] : around[cell]).add(frame.at(x, y));
      (in ? allInside : allAround).add(frame.at(x, y));
    }
  }
  std::vector<double> differences;
  for (size_t cell = 0; cell < inside.size(); ++cell) {
    if (inside[cell].n >= CELL_PIXELS && around[cell].n >= CELL_PIXELS) {
      differences.push_back(DeltaE2000(inside[cell].mean(), around[cell].mean()));
    }
  }
  if (differences.empty()) {
    return allInside.n && allAround.n ? static_cast<float>(DeltaE2000(allInside.mean(), allAround.mean())) : 0.0f;
  }
  const auto middle = differences.begin() + static_cast<std::ptrdiff_t>(differences.size() / 2);
  std::nth_element(differences.begin(), middle, differences.end());
  return static_cast<float>(*middle);
}

class tMeasure {
 public:
  tMeasure(const tSceneScope& scene, const tBox& screen) : _scene(scene), _screen(screen) {}

  tFindability::tThing measure(tPicImage& pic, const tHoverList& hovers, const tFindability::tMask& panel,
                               const tBox& menu);

 private:
  // The thing's own opaque pixels, drawn alone (moved into the context when
  // it lies partly outside).
  tFindability::tMask own(tGuiImage& visual, const tBox& drawn) const;
  // Where the thing makes at least half the difference to the scene.
  tFindability::tMask shows(tGuiImage& visual, const tBox& drawn) const;

  const tSceneScope& _scene;
  tBox _screen;
};

tFindability::tMask tMeasure::own(tGuiImage& visual, const tBox& drawn) const {
  tFindability::tMask mask = maskOver(drawn);
  const tBox context{0, 0, GraphicsWidth(), GraphicsHeight()};
  const int32_t dx = drawn.x0 < 0 || drawn.x1 > context.x1 ? -drawn.x0 : 0;
  const int32_t dy = drawn.y0 < 0 || drawn.y1 > context.y1 ? -drawn.y0 : 0;
  const tBox moved = tBox{drawn.x0 + dx, drawn.y0 + dy, drawn.x1 + dx, drawn.y1 + dy}.meet(context);
  if (moved.empty()) return mask;
  SetViewport(moved.x0, moved.y0, moved.w(), moved.h());
  SetOrigin(static_cast<float>(dx), static_cast<float>(dy));
  Cls();
  {
    tSilhouetteScope white(visual);
    white.grey(1.0f);
    tGuiObject::sendto(visual, GUIMSG_RENDER{});
  }
  SetOrigin(0.0f, 0.0f);
  const tFrame drawnAlone(moved);
  for (int32_t y = moved.y0; y < moved.y1; ++y)
    for (int32_t x = moved.x0; x < moved.x1; ++x)
      if (drawnAlone.level(x, y) >= HALF) setBit(mask, x - dx, y - dy);
  return mask;
}

tFindability::tMask tMeasure::shows(tGuiImage& visual, const tBox& drawn) const {
  const tBox box = drawn.meet(_screen);
  tFindability::tMask mask = maskOver(box);
  if (box.empty()) return mask;
  SetViewport(box.x0, box.y0, box.w(), box.h());
  tSilhouetteScope silhouette(visual);
  silhouette.grey(1.0f);
  _scene.draw();
  const tFrame white(box);
  silhouette.grey(0.0f);
  _scene.draw();
  const tFrame black(box);
  for (int32_t y = box.y0; y < box.y1; ++y)
    for (int32_t x = box.x0; x < box.x1; ++x)
      if (white.level(x, y) - black.level(x, y) >= HALF) setBit(mask, x, y);
  return mask;
}

tFindability::tThing tMeasure::measure(tPicImage& pic, const tHoverList& hovers, const tFindability::tMask& panel,
                                       const tBox& menu) {
  const tShowScope shown(pic);
  tGuiImage& visual = pic.visual();
  const tBox drawn = tBox::Around(visual.footprint().GetProfile());
  const tBox hit = hitBounds(visual);
  const tFindability::tMask ownPixels = own(visual, drawn);
  const tFindability::tMask showing = shows(visual, drawn);

  // The objects above the thing that may take its clicks.
  std::vector<std::shared_ptr<tGuiHoverable>> above;
  bool passed = false;
  for (const auto& ref : hovers) {
    const auto object = ref.lock();
    if (!object) continue;
    if (object.get() == &visual) {
      passed = true;
    } else if (passed && object->keepsTreat() && !hitBounds(*object).meet(drawn.join(hit)).empty()) {
      above.push_back(object);
    }
  }

  tFindability::tThing thing;
  thing.name = pic.id();
  thing.hidden = !shown.wasShown();
  const float unit = 1.0f / (aspectw() * aspecth());
  const tBox area = drawn.join(hit).meet(_screen);
  thing.region = maskOver(area);
  tFindability::tMask clickable = maskOver(area);
  std::map<std::string, int32_t> takers;
  for (int32_t y = area.y0; y < area.y1; ++y) {
    for (int32_t x = area.x0; x < area.x1; ++x) {
      const bool seen = showing.at(x, y) && ownPixels.at(x, y);
      const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
      if (!visual.hovering(fx, fy)) {
        if (seen) setBit(thing.region, x, y);
        continue;
      }
      const auto taker = std::find_if(above.rbegin(), above.rend(), [&](const auto& o) { return o->hoversAt(fx, fy); });
      if (seen) setBit(thing.region, x, y);
      if (taker != above.rend()) {
        if (seen) ++takers[(*taker)->id()];
      } else if (seen) {
        setBit(clickable, x, y);
        thing.clickable += unit;
      } else {
        thing.clickBeside += unit;
      }
    }
  }
  for (int32_t y = drawn.y0; y < drawn.y1; ++y) {
    for (int32_t x = drawn.x0; x < drawn.x1; ++x) {
      if (!ownPixels.at(x, y)) continue;
      thing.own += unit;
      if (!_screen.contains(x, y)) thing.offScreen += unit;
      if (thing.region.at(x, y)) thing.visible += unit;
      if (panel.at(x, y)) thing.underPanel += unit;
      if (menu.contains(x, y)) thing.underMenu += unit;
    }
  }
  if (!takers.empty() && thing.clickable == 0.0f) {
    thing.clickTaker = std::max_element(takers.begin(), takers.end(), [](const auto& a, const auto& b) {
                         return a.second < b.second;
                       })->first;
  }
  const tBox around = area.grown(BAND).meet(_screen);
  SetViewport(around.x0, around.y0, around.w(), around.h());
  _scene.draw();
  thing.contrast = contrastOf(thing.region, tFrame(around), _screen);

  const tPicProperty& offsets = tPicProperty::Current();
  thing.hintH = pic.zeb_property_xsos() + static_cast<float>(offsets.offsetX());
  thing.hintV = pic.zeb_property_ysos() + static_cast<float>(offsets.offsetY());
  thing.hintX = H2X(thing.hintH);
  thing.hintY = V2Y(thing.hintV);
  float nearest = std::numeric_limits<float>::max();
  for (int32_t y = clickable.y; y < clickable.y + clickable.h; ++y) {
    for (int32_t x = clickable.x; x < clickable.x + clickable.w; ++x) {
      if (!clickable.at(x, y)) continue;
      // The pixel's square, in design units.
      const float dh = std::max({0.0f, X2H(static_cast<float>(x)) - thing.hintH, thing.hintH - X2H(static_cast<float>(x + 1))});
      const float dv = std::max({0.0f, Y2V(static_cast<float>(y)) - thing.hintV, thing.hintV - Y2V(static_cast<float>(y + 1))});
      nearest = std::min(nearest, std::hypot(dh, dv));
    }
  }
  if (nearest != std::numeric_limits<float>::max()) thing.hintMiss = nearest;
  return thing;
}

bool findsThings(const tPic& pic) {
  const tMissionList missions = pic.missions();
  return std::any_of(missions.begin(), missions.end(),
                     [](const tMissionPtr& mission) { return !dynamic_cast<const tDummyMission*>(mission.get()); });
}

}  // namespace

tFindability::tGrade tFindability::tThing::grade() const {
  const float percent = visiblePercent();
  if (visible < HARD_AREA || percent < HARD_VISIBLE || contrast < LOW_CONTRAST) return HARD;
  if (visible >= EASY_AREA && percent >= EASY_VISIBLE && contrast >= EASY_CONTRAST) return EASY;
  return MEDIUM;
}

std::map<std::string, std::vector<std::shared_ptr<tPicImage>>> tFindability::Things(const tLevel& level) {
  std::map<std::string, std::vector<std::shared_ptr<tPicImage>>> things;
  for (const auto& [id, location] : level.locations()) {
    for (const auto& member : location->pics().order()) {
      const auto pic = std::dynamic_pointer_cast<tPicImage>(member);
      if (pic && findsThings(*pic)) things[id].push_back(pic);
    }
  }
  return things;
}

std::vector<tFindability::tThing> tFindability::Measure(tLevel& level, const std::string& location,
                                                        const std::vector<std::shared_ptr<tPicImage>>& things) {
  std::vector<tThing> figures;
  const tBox screen = screenBox();
  if (!CurrentGraphics() || screen.empty()) return figures;
  const tSceneScope scene(level);
  const tHoverList hovers = scene.hovers();
  const tMask panel = panelArt(screen);
  tBox menu;
  if (tMenuCmd& button = tMenuCmd::Current(); button.isShow()) menu = tBox::Around(button.xrect());
  tMeasure measure(scene, screen);
  for (const auto& pic : things) {
    figures.push_back(measure.measure(*pic, hovers, panel, menu));
    figures.back().location = location;
  }
  return figures;
}

tFindability::tSummary tFindability::Summarise(const std::vector<tThing>& things) {
  tSummary summary;
  summary.count = static_cast<int32_t>(things.size());
  if (things.empty()) return summary;
  std::vector<float> percents;
  for (const tThing& thing : things) {
    percents.push_back(thing.visiblePercent());
    if (thing.visiblePercent() < WHOLE_VISIBLE) summary.partlyCovered += 1.0f;
    if (thing.contrast < LOW_CONTRAST) summary.lowContrast += 1.0f;
  }
  std::sort(percents.begin(), percents.end());
  const size_t n = percents.size();
  summary.medianVisible = n % 2 ? percents[n / 2] : (percents[n / 2 - 1] + percents[n / 2]) / 2.0f;
  summary.partlyCovered /= static_cast<float>(n);
  summary.lowContrast /= static_cast<float>(n);
  return summary;
}

const char* tFindability::GradeName(tGrade grade) {
  switch (grade) {
    case EASY:
      return "easy";
    case MEDIUM:
      return "medium";
    default:
      return "hard";
  }
}

}  // namespace vandrell
