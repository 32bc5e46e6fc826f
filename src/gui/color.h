// A colour with opacity and blend mode, channels in 0..1, that drawables push
// to the renderer before drawing and read back from it to restore it after.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/draw.h"
#include "platform/stream.h"

namespace vandrell {

class tColorf;
using tColorfPtr = std::shared_ptr<tColorf>;

class tColorf {
 public:
  float r = 1.0f;
  float g = 1.0f;
  float b = 1.0f;
  float a = 1.0f;
  int32_t blend = 3;  // ALPHABLEND

  virtual ~tColorf() = default;

  static tColorfPtr Create(int32_t blend);
  static tColorfPtr CreateColor(const tColorf& c);
  static tColorfPtr CreateInt(int32_t argb, int32_t blend);
  static tColorfPtr CreateBright(int32_t blend);
  static tColorfPtr CreateDark(int32_t blend);
  static tColorfPtr CreateRGB(float r, float g, float b, int32_t blend);
  static tColorfPtr CreateBrightA(float a, int32_t blend);
  static tColorfPtr CreateDarkA(float a, int32_t blend);
  static tColorfPtr CreateRGBA(float r, float g, float b, float a, int32_t blend);
  // The renderer's clear colour, opaque, alpha-blended.
  static tColorfPtr CreateCls();

  // The 20-byte record: r, g, b, a as floats, then blend as an int.
  virtual void Save(TStream& stream) const;
  virtual void Load(TStream& stream);
  virtual void Set(const tColorf& c);
  virtual void SetRGB(float r, float g, float b);
  virtual void SetA(float a);
  virtual void SetRGBA(float r, float g, float b, float a);
  virtual void SetBlending(int32_t blend);
  // Unsigned A8R8G8B8; the blend mode is kept.
  virtual void SetInt(int32_t argb);
  // Each channel times 255, truncated, not clamped first.
  virtual int32_t GetInt() const;
  // Pushing clamps this colour first (see Correct).
  virtual void Setup();
  virtual void SetupRGB();
  virtual void SetupA();
  virtual void SetupRGBA();
  virtual void SetupBlending();
  virtual void Getup();
  virtual void GetupA();
  virtual void GetupRGB();
  virtual void GetupBlending();
  virtual void GetupRGBA();
  // Only the channels; opacity and blend mode stay.
  virtual void GetupCls();
  // Clamps the channels and opacity into 0..1; not-a-number becomes 0.
  virtual void Correct();
};

}  // namespace vandrell
