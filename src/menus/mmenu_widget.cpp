#include "menus/mmenu_widget.h"

namespace vandrell {

tMMenuHref::tMMenuHref(const std::string& text, float h, float v, const std::string& font)
    : tPageHref(text, h, v, font) {
  ncolor()->SetRGB(0.7f, 0.5f, 1.0f);
  dcolor()->SetRGB(0.3f, 0.3f, 0.3f);
}

void tMMenuHref::_clicked() { M_COMMAND_NEXTCALL::send("__click"); }

}  // namespace vandrell
