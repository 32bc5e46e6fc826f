#include "hud/zoom.h"

#include "core/numeric.h"
#include "core/screen.h"
#include "gui/mouse_catcher.h"
#include "hud/level_wide.h"
#include "platform/draw.h"
#include "resources/media_lookup.h"

namespace vandrell {

namespace {

// The centre of the glass in the loupe picture.
constexpr float LOUPE_HANDLE_X = 111.0f;
constexpr float LOUPE_HANDLE_Y = 97.0f;
constexpr float SCREEN_WIDTH = 800.0f;

}  // namespace

tZoom::tZoom() : _loupe(tFile::Current().image("data/loupe.png", FILTEREDIMAGE, rmDefault())) {
  SetImageHandle(_loupe, LOUPE_HANDLE_X, LOUPE_HANDLE_Y);
  resize(WIDTH, HEIGHT, 0);
  hotspot(0.5f, 0.5f);
  _color->SetBlending(MASKBLEND);
  hide();
}

tZoom& tZoom::Current() { return tLevelWide<tZoom>::get(); }

std::shared_ptr<tZoom> tZoom::Renew() {
  auto zoom = std::make_shared<tZoom>();
  tLevelWide<tZoom>::set(zoom);
  return zoom;
}

int32_t tZoom::M_PIC_POSTDRAW(vandrell::M_PIC_POSTDRAW& msg) {
  if (msg.pass() == PASS) render();
  return 0;
}

void tZoom::paint() {
  const tGuiMouseCatcher& mouse = tGuiMouseCatcher::Current();
  const float h = clampf(0.0f, mouse.h(), SCREEN_WIDTH);
  const float v = clampf(0.0f, mouse.v(), BOTTOM);
  const int32_t x = rH2X(h);
  const int32_t y = rV2Y(v);
  // An even diameter puts the circle's centre between whole pixels.
  int32_t diameter = trunci(L2W(DIAMETER));
  if (diameter % 2 != 0) ++diameter;
  _grabLens(x - diameter / 2, y - diameter / 2, diameter);
  move(h, v, 0);
  tGuiPicture::paint();
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
  SetBlend(ALPHABLEND);
  SetTransform(0.0f, aspectw(), aspecth());
  DrawImage(_loupe, static_cast<float>(x), static_cast<float>(y));
}

void tZoom::_grabLens(int32_t left, int32_t top, int32_t diameter) {
  const TPixmapPtr frame = GrabPixmap(left, top, diameter, diameter);
  if (!frame) return;
  // One image for the whole level, written anew every frame: the renderer
  // updates its copy in place instead of making a new one each time.
  if (!_image || _image->width != diameter || _image->height != diameter) {
    _image = TImage::Create(diameter, diameter, 1, FILTEREDIMAGE | DYNAMICIMAGE);
    SetImageHandle(_image, 0.0f, 0.0f);
  }
  const TPixmapPtr lens = _image->Lock(0, false, true);
  if (!lens) return;
  lens->Paste(*frame, 0, 0);
  // Offsets from the centre count from 0 in each quadrant.
  const int32_t radius = diameter / 2;
  const int64_t inside = int64_t{radius} * radius;
  for (int32_t row = 0; row < diameter; ++row) {
    const int64_t j = row < radius ? radius - 1 - row : row - radius;
    uint8_t* alpha = lens->PixelPtr(0, row) + 3;
    for (int32_t column = 0; column < diameter; ++column, alpha += 4) {
      const int64_t i = column < radius ? radius - 1 - column : column - radius;
      if (i * i + j * j > inside) *alpha = 0;
    }
  }
  _image->Unlock(0);
}

}  // namespace vandrell
