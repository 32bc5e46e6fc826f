#include "gui/color.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/draw.h"
#include "platform/window.h"

namespace vandrell {

namespace {

// Leaves the renderer's state as the test found it.
class RendererState {
 public:
  RendererState() {
    GetColor(_r, _g, _b);
    _alpha = GetAlpha();
    _blend = GetBlend();
    GetClsColor(_clsR, _clsG, _clsB);
  }
  ~RendererState() {
    SetColor(_r, _g, _b);
    SetAlpha(_alpha);
    SetBlend(_blend);
    SetClsColor(_clsR, _clsG, _clsB);
  }

 private:
  int32_t _r = 0, _g = 0, _b = 0, _clsR = 0, _clsG = 0, _clsB = 0, _blend = 0;
  float _alpha = 0.0f;
};

void expectColor(const tColorf& c, float r, float g, float b, float a, int32_t blend) {
  EXPECT_FLOAT_EQ(c.r, r);
  EXPECT_FLOAT_EQ(c.g, g);
  EXPECT_FLOAT_EQ(c.b, b);
  EXPECT_FLOAT_EQ(c.a, a);
  EXPECT_EQ(c.blend, blend);
}

}  // namespace

TEST(Color, ConstructorsFillEveryField) {
  expectColor(tColorf(), 1, 1, 1, 1, ALPHABLEND);
  expectColor(*tColorf::Create(LIGHTBLEND), 1, 1, 1, 1, LIGHTBLEND);
  expectColor(*tColorf::CreateBright(2), 1, 1, 1, 1, 2);
  expectColor(*tColorf::CreateDark(5), 0, 0, 0, 1, 5);
  expectColor(*tColorf::CreateRGB(0.1f, 0.2f, 0.3f, 1), 0.1f, 0.2f, 0.3f, 1, 1);
  expectColor(*tColorf::CreateBrightA(0.25f, 3), 1, 1, 1, 0.25f, 3);
  expectColor(*tColorf::CreateDarkA(0.75f, 4), 0, 0, 0, 0.75f, 4);
  expectColor(*tColorf::CreateRGBA(0.1f, 0.2f, 0.3f, 0.4f, 2), 0.1f, 0.2f, 0.3f, 0.4f, 2);

  tColorfPtr original = tColorf::CreateRGBA(0.5f, 0.6f, 0.7f, 0.8f, 4);
  tColorfPtr copy = tColorf::CreateColor(*original);
  original->SetRGB(0, 0, 0);
  expectColor(*copy, 0.5f, 0.6f, 0.7f, 0.8f, 4);
}

TEST(Color, PackedArgbRoundTripsEveryByte) {
  tColorfPtr c = tColorf::CreateInt(static_cast<int32_t>(0x80FF0000u), 5);
  expectColor(*c, 1, 0, 0, 128 / 255.0f, 5);
  EXPECT_EQ(static_cast<uint32_t>(c->GetInt()), 0x80FF0000u);
  for (uint32_t byte = 0; byte < 256; ++byte) {
    const uint32_t packed = byte << 24 | (255 - byte) << 16 | byte << 8 | (byte ^ 0x5A);
    c->SetInt(static_cast<int32_t>(packed));
    EXPECT_EQ(static_cast<uint32_t>(c->GetInt()), packed) << byte;
  }
  EXPECT_EQ(c->blend, 5) << "packing leaves the blend mode";
}

TEST(Color, PackingTruncatesAndDoesNotClamp) {
  tColorf c;
  c.SetRGBA(0.5f, 0, 0, 0);
  EXPECT_EQ(c.GetInt(), 127 << 16);
  c.SetRGBA(0, 0, 1.4f, 0);
  EXPECT_EQ(c.GetInt(), 357) << "an unclamped blue spills into green";
  c.SetRGBA(std::numeric_limits<float>::quiet_NaN(), 0, 0, 1e30f);
  EXPECT_EQ(static_cast<uint32_t>(c.GetInt()), 0xFFFFFFFFu << 24) << "out-of-range values never overflow";
}

TEST(Color, StreamRecordIsTwentyLittleEndianBytes) {
  auto bank = std::make_shared<TBank>();
  TBankStream out(bank);
  tColorf::CreateRGBA(1.0f, 0.5f, -2.0f, 0.25f, 4)->Save(out);
  ASSERT_EQ(bank->size(), 20);
  const std::vector<uint8_t> expected = {0, 0, 0x80, 0x3F, 0, 0, 0, 0x3F, 0, 0, 0, 0xC0, 0, 0, 0x80, 0x3E, 4, 0, 0, 0};
  EXPECT_EQ(bank->bytes(), expected);

  TBankStream in(bank);
  tColorf loaded;
  loaded.Load(in);
  expectColor(loaded, 1.0f, 0.5f, -2.0f, 0.25f, 4);
  TBankStream cut(std::make_shared<TBank>(std::vector<uint8_t>(bank->bytes().begin(), bank->bytes().end() - 1)));
  EXPECT_THROW(loaded.Load(cut), TStreamError);
}

TEST(Color, PushingClampsTheColourAndReadingBackRestoresIt) {
  RendererState keep;
  tColorfPtr c = tColorf::CreateRGBA(1.4f, 0.5f, -0.2f, 2.0f, LIGHTBLEND);
  c->Setup();
  int32_t r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 127);
  EXPECT_EQ(b, 0);
  EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
  EXPECT_EQ(GetBlend(), LIGHTBLEND);
  expectColor(*c, 1.0f, 0.5f, 0.0f, 1.0f, LIGHTBLEND);

  SetColor(51, 102, 204);
  SetAlpha(0.5f);
  SetBlend(SHADEBLEND);
  tColorf scratch;
  scratch.Getup();
  expectColor(scratch, 0.2f, 0.4f, 0.8f, 0.5f, SHADEBLEND);

  c->Setup();
  scratch.Setup();
  GetColor(r, g, b);
  EXPECT_EQ(r, 51);
  EXPECT_EQ(g, 102);
  EXPECT_EQ(b, 204);
  EXPECT_EQ(GetBlend(), SHADEBLEND);
}

TEST(Color, SinglePartsOfTheStatePushAndReadAlone) {
  RendererState keep;
  SetColor(0, 0, 0);
  SetAlpha(1.0f);
  SetBlend(SOLIDBLEND);
  tColorfPtr c = tColorf::CreateRGBA(1, 1, 1, std::numeric_limits<float>::quiet_NaN(), MASKBLEND);
  c->SetupA();
  EXPECT_FLOAT_EQ(GetAlpha(), 0.0f) << "not-a-number is pushed as 0";
  EXPECT_FLOAT_EQ(c->a, 0.0f);
  int32_t r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  EXPECT_EQ(r, 0) << "SetupA leaves the colour";
  EXPECT_EQ(GetBlend(), SOLIDBLEND);
  c->SetupBlending();
  EXPECT_EQ(GetBlend(), MASKBLEND);

  SetClsColor(255, 0, 51);
  tColorfPtr cls = tColorf::CreateCls();
  expectColor(*cls, 1.0f, 0.0f, 0.2f, 1.0f, ALPHABLEND);
  tColorfPtr keepsAlpha = tColorf::CreateDarkA(0.5f, 4);
  keepsAlpha->GetupCls();
  expectColor(*keepsAlpha, 1.0f, 0.0f, 0.2f, 0.5f, 4);
}

}  // namespace vandrell
