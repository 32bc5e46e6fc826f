// A picture pic that shows words of the level's message table: a label or a
// text box renders them into its surface, and the pic shows that surface as
// its picture, so the words move, scale, turn, tint and fade like any picture.
// The source names the message. Messages may print script values, so a pic
// can look its message up again on request or ten times a second; the words
// are rendered again only when they or the font changed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/label.h"
#include "scene/message.h"
#include "scene/pic_image.h"

namespace vandrell {

class tPicMessage : public tPicImage {
  VANDRELL_GUI_HOOKS(tPicMessage, tPicImage)

 public:
  // Seconds between two looks while looking again automatically.
  static constexpr float _refreshPeriod = 0.1f;

  // The font of a record's font number (field 24): 1 to 4 and 11; null for
  // any other number, which leaves the font the pic has.
  static tLetterPtr font(int32_t number);

  // Adds "idmessage" and "autorefresh" to the picture's keys.
  void saveInstant(tConfigBase& cfg, const std::string& section) override;
  void loadInstant(tConfigBase& cfg, const std::string& section) override;
  // The source is the message key; no image is loaded.
  void loadSrc(const std::string& src, const tPicParams& prms, tResourceManager& resources) override;
  // Renders the words again, after the display lost the images.
  void reloadSrc(tResourceManager& resources) override;
  // The picture's update, then the automatic look at the message while the
  // pic is visible and paintable.
  int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) override;

  // Looks the message up and shows its words.
  virtual void refresh() = 0;
  virtual void zeb_txtupdate() { refresh(); }
  virtual void zeb_txtautoupdateon() { _autorefresh = 1; }
  virtual void zeb_txtautoupdateoff() { _autorefresh = 0; }
  // Shows the message `key` from now on.
  virtual void zeb_settext(const std::string& key);

  // The label or text box that renders the words.
  virtual tGuiLabel& words() const = 0;
  const std::string& idmessage() const { return _idmessage; }
  int32_t autorefresh() const { return _autorefresh; }

 protected:
  tPicMessage() = default;

  // The message of the key, or null when the level has none.
  tMessagePtr findMessage() const;
  // Renders the words if they changed and shows them as the picture (none
  // when there are no words). A new picture gets the pivot offset again, so
  // that the pivot keeps its place in words of another size.
  void showWords();

  std::string _idmessage;
  int32_t _autorefresh = 0;
  float _refreshTime = 0.0f;
};

}  // namespace vandrell
