#include "hud/play_hud.h"

#include <utility>

#include "hud/level_wide.h"
#include "hud/panel.h"
#include "hud/resist.h"
#include "hud/unibutton.h"
#include "hud/zoom.h"

namespace vandrell {

namespace {

constexpr const char* PANEL = "panel=";
constexpr const char* JOURNAL = "journal=";
constexpr const char* SOS = "sos=";
constexpr const char* RESIST = "resist=";
constexpr const char* UNIBUTTON = "unibutton=";

template <class T>
void saveLive(tConfigBase& config, const char* section) {
  if (const auto live = tLevelWide<T>::live()) live->saveInstant(config, section);
}

template <class T>
void loadLive(const tConfigBase& config, const char* section) {
  const auto live = tLevelWide<T>::live();
  if (live && !config.Options(section).empty()) live->loadInstant(config, section);
}

}  // namespace

void RenewPlayHud(tGuiSet& level, std::shared_ptr<tItemLayer> items) {
  level.insert(tUnibutton::Renew());
  const std::shared_ptr<tResist> resist = tResist::Renew();
  level.insert(resist);
  level.insert(tPanel::Renew(std::move(items), resist));
}

void RenewZoom(tGuiSet& pics) {
  // A fixed name keeps the stacking order a save records the same from one
  // run to the next; the magnifier of a restored level replaces the old one.
  pics.remove(ZOOM_NAME);
  pics.insertBottom(tZoom::Renew(), ZOOM_NAME);
}

void SavePlayHud(tConfigBase& config) {
  saveLive<tPanel>(config, PANEL);
  saveLive<tJournal>(config, JOURNAL);
  saveLive<tSos>(config, SOS);
  saveLive<tResist>(config, RESIST);
  if (tUnibutton::Exists()) tUnibutton::Current().saveInstant(config, UNIBUTTON);
}

void LoadPlayHud(const tConfigBase& config) {
  loadLive<tPanel>(config, PANEL);
  loadLive<tJournal>(config, JOURNAL);
  loadLive<tSos>(config, SOS);
  loadLive<tResist>(config, RESIST);
  if (tUnibutton::Exists() && !config.Options(UNIBUTTON).empty()) tUnibutton::Current().loadInstant(config, UNIBUTTON);
}

}  // namespace vandrell
