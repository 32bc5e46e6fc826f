#include "core/settings.h"

#include "platform/process_wide.h"

namespace vandrell {

tSettings& tSettings::Current() { return tProcessWide<tSettings>::get(); }

}  // namespace vandrell
