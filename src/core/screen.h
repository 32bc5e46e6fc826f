// The virtual screen: design units (800 x 600) to window pixels and back, with
// one scale and one offset per axis.
#pragma once

#include <cstdint>
#include <memory>

namespace vandrell {

class tScreen {
 public:
  float x = 0.0f;  // window pixel of design position 0, horizontally
  float y = 0.0f;
  float w = 0.0f;  // window pixels per design unit, horizontally
  float h = 0.0f;

  virtual ~tScreen() = default;

  // A `w` or `h` that is not 0 or more is replaced by the graphics size.
  static std::shared_ptr<tScreen> Create(float w, float h, float x, float y);
  static std::shared_ptr<tScreen> CreateProjection(float designWidth, float designHeight, float pixelWidth,
                                                   float pixelHeight, float x, float y);

  // Copies this screen into the current one.
  virtual int32_t Setup();

  virtual float aspectw() const { return w; }
  virtual float aspecth() const { return h; }
  virtual float X2H(float px) const;
  virtual float Y2V(float py) const;
  virtual float W2L(float width) const;
  virtual float H2T(float height) const;
  virtual float H2X(float hpos) const;
  virtual int32_t rH2X(float hpos) const;
  virtual float V2Y(float vpos) const;
  virtual int32_t rV2Y(float vpos) const;
  virtual float L2W(float l) const;
  virtual int32_t rL2W(float l) const;
  virtual float T2H(float t) const;
  virtual int32_t rT2H(float t) const;

  // The one current screen; Setup replaces its content, never its identity.
  static tScreen& Current();
};

float aspectw();
float aspecth();
float X2H(float x);
float Y2V(float y);
float W2L(float width);
float H2T(float height);
float H2X(float h);
int32_t rH2X(float h);
float V2Y(float v);
int32_t rV2Y(float v);
float L2W(float l);
int32_t rL2W(float l);
float T2H(float t);
int32_t rT2H(float t);

}  // namespace vandrell
