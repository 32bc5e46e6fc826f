#include "gui/color.h"

#include "core/numeric.h"
#include "platform/draw.h"
#include "platform/window.h"

namespace vandrell {

namespace {

// The channel times 255, truncated toward zero.
int32_t channelValue(float channel) { return trunci(channel * 255.0f); }

float byteChannel(uint32_t packed, int shift) { return static_cast<float>((packed >> shift) & 0xFF) / 255.0f; }

}  // namespace

tColorfPtr tColorf::Create(int32_t blend) { return CreateRGBA(1.0f, 1.0f, 1.0f, 1.0f, blend); }

tColorfPtr tColorf::CreateColor(const tColorf& c) {
  auto color = std::make_shared<tColorf>();
  color->Set(c);
  return color;
}

tColorfPtr tColorf::CreateInt(int32_t argb, int32_t blend) {
  tColorfPtr color = Create(blend);
  color->SetInt(argb);
  return color;
}

tColorfPtr tColorf::CreateBright(int32_t blend) { return CreateRGBA(1.0f, 1.0f, 1.0f, 1.0f, blend); }

tColorfPtr tColorf::CreateDark(int32_t blend) { return CreateRGBA(0.0f, 0.0f, 0.0f, 1.0f, blend); }

tColorfPtr tColorf::CreateRGB(float r, float g, float b, int32_t blend) { return CreateRGBA(r, g, b, 1.0f, blend); }

tColorfPtr tColorf::CreateBrightA(float a, int32_t blend) { return CreateRGBA(1.0f, 1.0f, 1.0f, a, blend); }

tColorfPtr tColorf::CreateDarkA(float a, int32_t blend) { return CreateRGBA(0.0f, 0.0f, 0.0f, a, blend); }

tColorfPtr tColorf::CreateRGBA(float r, float g, float b, float a, int32_t blend) {
  auto color = std::make_shared<tColorf>();
  color->SetRGBA(r, g, b, a);
  color->SetBlending(blend);
  return color;
}

tColorfPtr tColorf::CreateCls() {
  tColorfPtr color = Create(ALPHABLEND);
  color->GetupCls();
  return color;
}

void tColorf::Save(TStream& stream) const {
  stream.writeFloat(r);
  stream.writeFloat(g);
  stream.writeFloat(b);
  stream.writeFloat(a);
  stream.writeInt(blend);
}

void tColorf::Load(TStream& stream) {
  r = stream.readFloat();
  g = stream.readFloat();
  b = stream.readFloat();
  a = stream.readFloat();
  blend = stream.readInt();
}

void tColorf::Set(const tColorf& c) {
  SetRGBA(c.r, c.g, c.b, c.a);
  SetBlending(c.blend);
}

void tColorf::SetRGB(float red, float green, float blue) {
  r = red;
  g = green;
  b = blue;
}

void tColorf::SetA(float alpha) { a = alpha; }

void tColorf::SetRGBA(float red, float green, float blue, float alpha) {
  SetRGB(red, green, blue);
  SetA(alpha);
}

void tColorf::SetBlending(int32_t mode) { blend = mode; }

void tColorf::SetInt(int32_t argb) {
  const auto packed = static_cast<uint32_t>(argb);
  SetRGBA(byteChannel(packed, 16), byteChannel(packed, 8), byteChannel(packed, 0), byteChannel(packed, 24));
}

int32_t tColorf::GetInt() const {
  const auto bits = [](float channel, int shift) { return static_cast<uint32_t>(channelValue(channel)) << shift; };
  return static_cast<int32_t>(bits(a, 24) | bits(r, 16) | bits(g, 8) | bits(b, 0));
}

void tColorf::Setup() {
  SetupRGBA();
  SetupBlending();
}

void tColorf::SetupRGB() {
  Correct();
  SetColor(channelValue(r), channelValue(g), channelValue(b));
}

void tColorf::SetupA() {
  Correct();
  SetAlpha(a);
}

void tColorf::SetupRGBA() {
  SetupRGB();
  SetupA();
}

void tColorf::SetupBlending() { SetBlend(blend); }

void tColorf::Getup() {
  GetupRGBA();
  GetupBlending();
}

void tColorf::GetupA() { a = GetAlpha(); }

void tColorf::GetupRGB() {
  int32_t red = 0, green = 0, blue = 0;
  GetColor(red, green, blue);
  SetRGB(red / 255.0f, green / 255.0f, blue / 255.0f);
}

void tColorf::GetupBlending() { blend = GetBlend(); }

void tColorf::GetupRGBA() {
  GetupA();
  GetupRGB();
}

void tColorf::GetupCls() {
  int32_t red = 0, green = 0, blue = 0;
  GetClsColor(red, green, blue);
  SetRGB(red / 255.0f, green / 255.0f, blue / 255.0f);
}

void tColorf::Correct() {
  // clampf also turns not-a-number into the lower bound.
  r = clampf(0.0f, r, 1.0f);
  g = clampf(0.0f, g, 1.0f);
  b = clampf(0.0f, b, 1.0f);
  a = clampf(0.0f, a, 1.0f);
}

}  // namespace vandrell
