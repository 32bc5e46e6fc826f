// The renderer's own font: 5 x 7 pixel printable ASCII in 6 x 8 cells, white
// on transparent so the drawing colour tints it. Other characters show as "?".
#pragma once

#include "platform/image_font.h"

namespace vandrell {

TImageFontPtr BuiltinFont();

}  // namespace vandrell
