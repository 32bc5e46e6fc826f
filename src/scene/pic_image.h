// A picture pic: one image at a position, with a size, an angle, a colour and
// an alpha. Scripts change each of them at once or gradually: a gradual
// change is a target with a speed per second, and every update moves each
// value toward its target without passing it. The pic also carries its click
// commands, how it vanishes when a click counts, its cursor code and an
// optional polygon hit shape.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "scene/pic.h"
#include "scene/pic_visual.h"
#include "script/command.h"

namespace vandrell {

// How a pic vanishes after a click counted for a mission.
constexpr int32_t HIDETYPE_STAY = 0;
constexpr int32_t HIDETYPE_SLOW = 1;
constexpr int32_t HIDETYPE_NOW = 2;

class tPicImage : public tPic {
  VANDRELL_GUI_HOOKS(tPicImage, tPic, &tPicImage::GUIMSG_UPDATE)

 public:
  tPicImage();

  // The visual, a tPicImageVisual (tPicAnimVisual for animations).
  tGuiImage& visual() const { return *_visual; }

  // Adds the colour, position, size and angle with their targets and
  // speeds, the hotspot and the cursor code to the keys of tPic.
  void saveInstant(tConfigBase& cfg, const std::string& section) override;
  void loadInstant(tConfigBase& cfg, const std::string& section) override;
  void loadId(const std::string& id) override;
  void loadSrc(const std::string& src, const tPicParams& prms, tResourceManager& resources) override;
  // The image of the source, or null when it cannot be loaded.
  virtual TImagePtr loadImage(tResourceManager& resources);
  // Position (a candidate picked at random), pivot offset, scale, angle,
  // colour, alpha and pixel hovering, from the record.
  void loadParams(const tPicParams& prms) override;
  void loadPoly(tPolyPtr poly) override;
  // Either command may be null.
  virtual void loadAction(const tCommandPtr& a, const tCommandPtr& fa);
  virtual void loadHidetype(int32_t type) { _hidetype = type; }
  virtual void loadBlend(int32_t blend);
  virtual void cursor(int32_t code) { _cursor = code; }
  virtual int32_t getCursor() const { return _cursor; }
  // The command played when a click counts for a mission, and the one
  // played on every click; null when the level has none (or dropped it).
  virtual tCommandPtr a() const { return _a.lock(); }
  virtual tCommandPtr fa() const { return _fa.lock(); }
  virtual int32_t hidetype() const { return _hidetype; }

  // Shown: visible. Hovered: shown, enabled, and held when any pic is held.
  // Treated: clicking it does something.
  void setupAvail() override;
  int32_t sosAvail() override;
  // Steps every value toward its target, after the visual had the update.
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);

  tExprValuePtr zeb_property(const std::string& name) override;
  float zeb_property_x() override;
  float zeb_property_y() override;
  float zeb_property_rot() override;
  // The size relative to the image's own; 0 without an image.
  float zeb_property_sx() override;
  float zeb_property_sy() override;
  virtual float zeb_property_ox() { return _ox; }
  virtual float zeb_property_oy() { return _oy; }
  virtual float zeb_property_alpha();

  // Setting a value at once stops its glide where it was set.
  void zeb_position(float x, float y) override;
  void zeb_translate(float x, float y, float time) override;
  void zeb_move(float dx, float dy, float time) override;
  void zeb_scale(float sx, float sy) override;
  void zeb_resize(float sx, float sy, float time) override;
  void zeb_rotation(float angle) override;
  // Fades in over 20 ticks.
  virtual void zeb_showslow();
  // Leaves the location for the top of the level's lower layer, grows to
  // twice its size and fades out by a script that then hides it.
  virtual void zeb_hideslow();
  // Moves the pivot of scaling and turning without moving the picture.
  virtual void zeb_offset(float ox, float oy);
  // Turns to `angle` in the direction of the sign of `speed` (degrees per
  // second) and returns the seconds it takes: 1000000 when the speed points
  // away from the target, so it is never reached.
  virtual float zeb_rotate(float angle, float speed);
  virtual float zeb_turn(float delta, float speed);
  virtual void zeb_alpha(float a);
  virtual void zeb_alphing(float a, float time);
  virtual void zeb_color(float r, float g, float b);
  virtual void zeb_coloring(float r, float g, float b, float time);

 protected:
  // A saved value that glides, with its target and speed.
  struct tGlide {
    const char* key;
    float value;
    float& to;
    float& speed;
  };
  // In the order of the saved keys.
  std::array<tGlide, 9> glides();
  // Steps the size toward its target by `d` seconds of its speed.
  virtual void glideSize(float d);

  template <class Visual>
  explicit tPicImage(std::shared_ptr<Visual> visual) : _visual(visual), _clickable(visual.get()) {
    _this = visual;
  }

  // The same object twice; `_visual` keeps it alive as long as the pic.
  std::shared_ptr<tGuiImage> _visual;
  tPicClickable* _clickable;

  float _ox = 0.0f;
  float _oy = 0.0f;
  float _hTo = 0.0f;
  float _hSpeed = 0.0f;
  float _vTo = 0.0f;
  float _vSpeed = 0.0f;
  float _lTo = 0.0f;
  float _lSpeed = 0.0f;
  float _tTo = 0.0f;
  float _tSpeed = 0.0f;
  float _angleTo = 0.0f;
  float _angleSpeed = 0.0f;
  float _aTo = 0.0f;
  float _aSpeed = 0.0f;
  float _rTo = 0.0f;
  float _rSpeed = 0.0f;
  float _gTo = 0.0f;
  float _gSpeed = 0.0f;
  float _bTo = 0.0f;
  float _bSpeed = 0.0f;
  int32_t _cursor = 0;
  std::weak_ptr<tCommand> _a;
  std::weak_ptr<tCommand> _fa;
  int32_t _hidetype = HIDETYPE_STAY;
};

}  // namespace vandrell
