// A pic: one object of a scene. The pic itself holds the scene state and
// answers scripts; the visual it wraps draws, hovers and clicks. Levels,
// commands and missions refer to the pic by its name, which is its GUI id.
//
// Visibility and availability have two levels: the pic's own flags (from the
// level file) and global ones (switched by scripts for whole groups); a pic is
// shown only while both show flags are set, enabled only while both enable
// flags are. A pic draws only in its draw pass (M_PIC_POSTDRAW), never on a
// plain render, so the layer decides what is under and over what.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/app_messages.h"
#include "gui/poly.h"
#include "resources/config.h"
#include "resources/resource_manager.h"
#include "scene/gui_object_object.h"
#include "scene/mission.h"
#include "scene/pic_params.h"
#include "scene/pic_property.h"
#include "script/expr_value.h"
#include "script/object.h"

namespace vandrell {

using tPolyPtr = std::shared_ptr<tPoly>;

// Draw passes: under the others, normal, over the others, on top.
constexpr int32_t POSTDRAW_UNDER = -1;
constexpr int32_t POSTDRAW_NORMAL = 0;
constexpr int32_t POSTDRAW_OVER = 1;
constexpr int32_t POSTDRAW_TOP = 2;

class tPic : public tGuiObjectObject, public tObject {
  VANDRELL_GUI_HOOKS(tPic, tGuiObjectObject, &tPic::M_PIC_MUTABLE, &tPic::M_MISSION_MUTABLE)

 public:
  // Keys "a0", "a1", "show", "gshow", "enable", "genable", "postdraw";
  // restoring stores the flags without re-evaluating availability.
  virtual void saveInstant(tConfigBase& cfg, const std::string& section);
  virtual void loadInstant(tConfigBase& cfg, const std::string& section);

  // The level loader calls these once each, in this order: loadId, loadSrc,
  // loadRnds, loadParams, loadPoly, loadMission.
  virtual void loadId(const std::string& id) {}
  virtual void loadSrc(const std::string& src, const tPicParams& prms, tResourceManager& resources) {}
  // Loads the source again, after the display lost the images.
  virtual void reloadSrc(tResourceManager& resources);
  // Each entry "x,y"; the last is the position the record itself gives. An
  // entry without "," is reported and skipped.
  virtual void loadRnds(const std::vector<std::string>& strings);
  // Turns the global flags on and reads the own flags, the draw pass and the
  // hint point from the record (fields 5, 11, 14, 28, 29).
  virtual void loadParams(const tPicParams& prms);
  // The hit shape in design units relative to the position; null keeps the
  // rectangle. Kinds without a shape ignore it.
  virtual void loadPoly(tPolyPtr poly) {}
  virtual void loadMission(const tMissionList& list);
  // The missions still alive, in the order the level file tags them.
  virtual tMissionList missions() const;

  // A change re-evaluates availability; setting the value it has does nothing.
  virtual void show(int32_t on);
  virtual void enable(int32_t on);
  virtual void gshow(int32_t on);
  virtual void genable(int32_t on);
  virtual int32_t isShow() const { return _show ? _gshow : 0; }
  virtual int32_t isEnable() const { return _enable ? _genable : 0; }
  virtual int32_t M_PIC_MUTABLE(vandrell::M_PIC_MUTABLE& msg);
  virtual int32_t M_MISSION_MUTABLE(vandrell::M_MISSION_MUTABLE& msg);
  // Pushes visibility, hover and treat to the visual.
  virtual void setupAvail() {}
  // Whether the hint may point at this pic.
  virtual int32_t sosAvail() { return 0; }

  virtual tExprValuePtr zeb_property(const std::string& name);
  virtual float zeb_property_a0() { return _a0; }
  virtual float zeb_property_a1() { return _a1; }
  // The logical position, angle and scale; 0 for kinds without geometry.
  virtual float zeb_property_x() { return 0.0f; }
  virtual float zeb_property_y() { return 0.0f; }
  virtual float zeb_property_rot() { return 0.0f; }
  virtual float zeb_property_sx() { return 0.0f; }
  virtual float zeb_property_sy() { return 0.0f; }
  virtual float zeb_property_xsos() { return static_cast<float>(_xsos); }
  virtual float zeb_property_ysos() { return static_cast<float>(_ysos); }
  virtual void zeb_seta0(float v) { _a0 = v; }
  virtual void zeb_seta1(float v) { _a1 = v; }
  virtual void zeb_enable() { enable(1); }
  virtual void zeb_disable() { enable(0); }
  virtual void zeb_genable() { genable(1); }
  virtual void zeb_gdisable() { genable(0); }
  virtual void zeb_show() { show(1); }
  virtual void zeb_hide() { show(0); }
  virtual void zeb_gshow() { gshow(1); }
  virtual void zeb_ghide() { gshow(0); }
  // A new pass takes effect at the next frame's passes.
  virtual void zeb_enablepostdraw() { _postdraw = POSTDRAW_OVER; }
  virtual void zeb_disablepostdraw() { _postdraw = POSTDRAW_NORMAL; }
  virtual void zeb_enableunderdraw() { _postdraw = POSTDRAW_UNDER; }
  virtual void zeb_toppostdraw() { _postdraw = POSTDRAW_TOP; }
  virtual void zeb_postdraw(int32_t n) { _postdraw = n; }
  // Geometry; kinds without it ignore these. Times are in seconds.
  virtual void zeb_position(float x, float y) {}
  virtual void zeb_translate(float x, float y, float time) {}
  virtual void zeb_move(float dx, float dy, float time) {}
  virtual void zeb_scale(float sx, float sy) {}
  virtual void zeb_resize(float sx, float sy, float time) {}
  virtual void zeb_rotation(float angle) {}
  // This pic follows `other`, or the pointer, until unlinked.
  virtual void zeb_link(const tPicPtr& other);
  virtual void zeb_linkmouse();
  virtual void zeb_unlink();
  virtual void zeb_center(const tPicPtr& other);
  virtual void zeb_centermouse();

  // A plain render is swallowed: the visual draws in the pic's pass only.
  int32_t message(tGuiMessage& msg, tGuiMessageType type) override;

  int32_t postdraw() const { return _postdraw; }
  const std::string& src() const { return _src; }
  const tPicParams& prms() const { return _prms; }
  const std::vector<std::array<int32_t, 2>>& rnds() const { return _rnds; }

 protected:
  tPicPtr selfPic() { return std::static_pointer_cast<tPic>(shared_from_this()); }

  std::string _src;
  tPicParams _prms;
  std::vector<std::weak_ptr<tMission>> _missions;
  std::vector<std::array<int32_t, 2>> _rnds;
  float _a0 = 0.0f;
  float _a1 = 0.0f;
  int32_t _show = 0;
  int32_t _enable = 0;
  int32_t _gshow = 0;
  int32_t _genable = 0;
  int32_t _postdraw = POSTDRAW_NORMAL;
  int32_t _xsos = 0;
  int32_t _ysos = 0;
};

// Lets scripts read the properties of pics and of the pic property object;
// run once at start-up, after the script book is installed.
void AddPicPropertyOwners();

}  // namespace vandrell
