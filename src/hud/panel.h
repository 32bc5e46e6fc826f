// The bottom panel of the play screen: the strip, the level's resist meter,
// the item row, the frame, the hint counter, the journal, the line naming the
// current task, and the journal, zoom and hint buttons, stacked bottom to top
// in that order. One panel is built for each level, which holds it; the panel
// and its parts are reachable process-wide until the next level builds its
// own. Hidden, the panel lets nothing reach its members: nothing of it is
// drawn, takes the pointer or runs, so the hint recharge stops too.
//
// The meter is the level's own as well, so while the panel is shown each
// frame's update reaches it twice and its countdown runs at double speed;
// levels time their challenges by that.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/message_filter.h"
#include "gui/object_set.h"
#include "hud/journal.h"
#include "hud/journal_cmd.h"
#include "hud/panel_parts.h"
#include "hud/resist.h"
#include "hud/sos.h"
#include "hud/sos_cmd.h"
#include "hud/zoom_cmd.h"
#include "resources/config.h"
#include "scene/item_layer.h"

namespace vandrell {

class tPanel : public tGuiSet {
  VANDRELL_GUI_HOOKS(tPanel, tGuiSet)

 public:
  // Shown, with every part in place; `items` is the level's item row and
  // `resist` its meter (none for a panel of no level).
  explicit tPanel(std::shared_ptr<tItemLayer> items = std::make_shared<tItemLayer>(),
                  std::shared_ptr<tResist> resist = nullptr);

  // The panel of the running level, or an idle stand-in.
  static tPanel& Current();
  // A new panel round the level's item row and meter, which with its hint
  // counter, journal and buttons becomes the current one, for the level to
  // hold.
  static std::shared_ptr<tPanel> Renew(std::shared_ptr<tItemLayer> items, std::shared_ptr<tResist> resist);

  // The task line and whether each button is enabled by script.
  virtual void saveInstant(tConfigBase& config, const std::string& section) const;
  virtual void loadInstant(const tConfigBase& config, const std::string& section);
  virtual tPanelLabel& label() const { return *_label; }
  virtual tItemLayer& items() const { return *_items; }
  // Both run a treat pass at once, so the pointer's target follows at once.
  virtual void show();
  virtual void hide();
  virtual int32_t isShow() const;

  tSos& sos() const { return *_sos; }
  tJournal& journal() const { return *_journal; }
  tJournalCmd& journalCmd() const { return *_journalCmd; }
  tSosCmd& sosCmd() const { return *_sosCmd; }
  tZoomCmd& zoomCmd() const { return *_zoomCmd; }

 protected:
  // What reaches the members while the panel is shown.
  std::shared_ptr<tGuiMessageFilter> _fEnable = std::make_shared<tGuiMessageFilter>();
  std::shared_ptr<tPanelBg> _bg = std::make_shared<tPanelBg>();
  std::shared_ptr<tPanelFg> _fg = std::make_shared<tPanelFg>();
  std::shared_ptr<tPanelLabel> _label = std::make_shared<tPanelLabel>();
  std::shared_ptr<tItemLayer> _items;
  std::shared_ptr<tSos> _sos = std::make_shared<tSos>();
  std::shared_ptr<tJournal> _journal = std::make_shared<tJournal>();
  std::shared_ptr<tJournalCmd> _journalCmd = std::make_shared<tJournalCmd>();
  std::shared_ptr<tZoomCmd> _zoomCmd = std::make_shared<tZoomCmd>();
  std::shared_ptr<tSosCmd> _sosCmd = std::make_shared<tSosCmd>();
};

}  // namespace vandrell
