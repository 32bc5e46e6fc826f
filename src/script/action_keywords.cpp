#include "script/action_keywords.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/log.h"
#include "platform/process_wide.h"
#include "script/action.h"
#include "script/command_text.h"
#include "script/expr.h"

namespace vandrell {

namespace {

constexpr tArgSpec named(tNameOf what) { return {tArgKind::NAME, what}; }
constexpr tArgSpec optional(tArgSpec spec) {
  spec.optional = true;
  return spec;
}

constexpr tArgSpec N{tArgKind::N};
constexpr tArgSpec TICKS{tArgKind::TICKS};
constexpr tArgSpec RATE{tArgKind::RATE};
constexpr tArgSpec MS{tArgKind::MS};
constexpr tArgSpec VALUE{tArgKind::VALUE};
constexpr tArgSpec PIC{tArgKind::PIC};
constexpr tArgSpec IMAGE_PIC{tArgKind::IMAGE_PIC};
constexpr tArgSpec ANIM_PIC{tArgKind::ANIM_PIC};
constexpr tArgSpec PARTICLE_PIC{tArgKind::PARTICLE_PIC};
constexpr tArgSpec OBJECT{tArgKind::OBJECT};
constexpr tArgSpec VARIABLE = named(tNameOf::VARIABLE);
constexpr tArgSpec MISSION = named(tNameOf::MISSION);
constexpr tArgSpec COMMAND = named(tNameOf::COMMAND);
constexpr tArgSpec GROUP = named(tNameOf::GROUP);
constexpr tArgSpec LOCATION = named(tNameOf::LOCATION);
constexpr tArgSpec TEXT = named(tNameOf::TEXT);
constexpr tArgSpec MESSAGE = named(tNameOf::MESSAGE);
constexpr tArgSpec SOUND = named(tNameOf::SOUND);
constexpr tArgSpec ITEM = named(tNameOf::ITEM);
constexpr tArgSpec LINK = named(tNameOf::LINK);

struct tRowText {
  std::vector<std::string> keywords;
  const char* className;
  std::vector<tArgSpec> args;
  bool anyArgs = false;
};

// The vocabulary in registration order. Animation and colour rows name their
// numbers in the comments where the kinds alone do not tell them apart.
const std::vector<tRowText>& vocabulary() {
  static const std::vector<tRowText> rows = {
      {{"type", "addblend", "darkblend", "itemmissionscripton", "itemmissionscriptoff", "pass"}, "tAction", {}, true},
      {{"set"}, "tZebAction_set", {VARIABLE, optional(VALUE)}},
      {{"wait"}, "tZebAction_wait", {TICKS}},
      {{"waitms"}, "tZebAction_waitms", {MS}},
      {{"uv"}, "tZebAction_uv", {VARIABLE, N}},
      {{"gameover"}, "tZebAction_gameover", {N}},
      {{"progress"}, "tZebAction_progress", {}, true},
      {{"save"}, "tZebAction_save", {}},
      {{"load"}, "tZebAction_load", {}},
      {{"interface"}, "tZebAction_interface", {N}},
      {{"mmalpha"}, "tZebAction_mmalpha", {N}},
      {{"showmission", "sm"}, "tZebAction_showmission", {MISSION}},
      {{"hidemission", "hm"}, "tZebAction_hidemission", {MISSION}},
      {{"enablemission", "em"}, "tZebAction_enablemission", {MISSION}},
      {{"disablemission", "dm"}, "tZebAction_disablemission", {MISSION}},
      {{"processmission", "pm"}, "tZebAction_applymission", {MISSION}},
      {{"endmission", "endm"}, "tZebAction_completemission", {MISSION}},
      {{"check"}, "tZebAction_check", {}},
      {{"genablecommand", "gec"}, "tZebAction_genablecommand", {COMMAND}},
      {{"gdisablecommand", "gdc"}, "tZebAction_gdisablecommand", {COMMAND}},
      {{"enablecommand", "ec"}, "tZebAction_enablecommand", {COMMAND}},
      {{"disablecommand", "dc"}, "tZebAction_disablecommand", {COMMAND}},
      {{"startcommand", "startc"}, "tZebAction_startcommand", {COMMAND}},
      {{"stopcommand", "stopc"}, "tZebAction_stopcommand", {COMMAND}},
      {{"playcommand", "playc"}, "tZebAction_playcommand", {COMMAND}},
      {{"pausecommand", "pausec"}, "tZebAction_pausecommand", {COMMAND}},
      {{"closecommand", "cc"}, "tZebAction_closecommand", {COMMAND}},
      {{"nextcall", "go"}, "tZebAction_nextcall", {COMMAND}},
      {{"ifcall", "if"}, "tZebAction_ifcall", {COMMAND, N}},
      {{"elsecall", "else"}, "tZebAction_elsecall", {COMMAND, COMMAND, N}},
      {{"enablegroup", "eg"}, "tZebAction_enablegroup", {GROUP}},
      {{"disablegroup", "dg"}, "tZebAction_disablegroup", {GROUP}},
      {{"stopgroup", "sg"}, "tZebAction_stopgroup", {GROUP}},
      {{"playgroup", "pg"}, "tZebAction_playgroup", {GROUP}},
      {{"closegroup", "cg"}, "tZebAction_closegroup", {GROUP}},
      {{"showsublocation", "ssl"}, "tZebAction_showlocation", {LOCATION}},
      {{"hidesublocation", "hsl"}, "tZebAction_hidelocation", {LOCATION}},
      {{"enablesublocation", "esl"}, "tZebAction_enablelocation", {LOCATION}},
      {{"disablesublocation", "dsl"}, "tZebAction_disablelocation", {LOCATION}},
      {{"hideoffsublocation", "hosl"}, "tZebAction_fadelocation", {LOCATION}},
      {{"seta0"}, "tZebAction_seta0", {PIC, N}},
      {{"seta1"}, "tZebAction_seta1", {PIC, N}},
      {{"gshow"}, "tZebAction_gshow", {PIC}},
      {{"ghide"}, "tZebAction_ghide", {PIC}},
      {{"genable"}, "tZebAction_genable", {PIC}},
      {{"gdisable"}, "tZebAction_gdisable", {PIC}},
      {{"showobject", "so"}, "tZebAction_show", {PIC}},
      {{"hideobject", "ho"}, "tZebAction_hide", {PIC}},
      {{"showobjectslow", "sos"}, "tZebAction_showslow", {IMAGE_PIC}},
      {{"hideobjectslow", "hos"}, "tZebAction_hideslow", {IMAGE_PIC}},
      {{"enableobject", "eo"}, "tZebAction_enable", {PIC}},
      {{"disableobject", "do"}, "tZebAction_disable", {PIC}},
      {{"linktoobject", "lto", "ltoc"}, "tZebAction_link", {PIC, PIC}},
      {{"linktomouse", "ltm"}, "tZebAction_linkmouse", {PIC}},
      {{"unlink", "unlinktomouse", "ultm"}, "tZebAction_unlink", {PIC}},
      {{"gshowbymission", "gsbym"}, "tZebAction_gshowbymission", {MISSION}},
      {{"ghidebymission", "ghbym"}, "tZebAction_ghidebymission", {MISSION}},
      {{"genablebymission", "gebym"}, "tZebAction_genablebymission", {MISSION}},
      {{"gdisablebymission", "gdbym"}, "tZebAction_gdisablebymission", {MISSION}},
      {{"showobjectbymission", "sobym"}, "tZebAction_showbymission", {MISSION}},
      {{"hideobjectbymission", "hobym"}, "tZebAction_hidebymission", {MISSION}},
      {{"enableobjectbymission", "eobym"}, "tZebAction_enablebymission", {MISSION}},
      {{"disableobjectbymission", "dobym"}, "tZebAction_disablebymission", {MISSION}},
      {{"processobjectbymission", "pobym", "opobym"}, "tZebAction_processbymission", {MISSION, COMMAND}},
      {{"objectbymission", "obym"}, "tZebAction_objectbymission", {VARIABLE, MISSION}},
      {{"postdraw"}, "tZebAction_postdraw", {PIC, N}},
      {{"enablepostdraw", "epd"}, "tZebAction_enablepostdraw", {PIC}},
      {{"disablepostdraw", "normaldraw", "dpd", "dud"}, "tZebAction_disablepostdraw", {PIC}},
      {{"enableunderdraw", "eud"}, "tZebAction_enableunderdraw", {PIC}},
      {{"sortontop"}, "tZebAction_sortontop", {PIC}},
      {{"alpha"}, "tZebAction_alpha", {IMAGE_PIC, N}},
      {{"walpha"}, "tZebAction_walpha", {IMAGE_PIC, N}},
      {{"alphing"}, "tZebAction_alphing", {IMAGE_PIC, N, TICKS}},
      {{"walphing"}, "tZebAction_walphing", {IMAGE_PIC, N, TICKS}},
      // r, g, b from 0 to 255
      {{"rgb"}, "tZebAction_color", {IMAGE_PIC, N, N, N}},
      {{"wrgb"}, "tZebAction_wcolor", {IMAGE_PIC, N, N, N}},
      {{"coloring"}, "tZebAction_coloring", {IMAGE_PIC, N, N, N, TICKS}},
      {{"wcoloring"}, "tZebAction_wcoloring", {IMAGE_PIC, N, N, N, TICKS}},
      {{"position"}, "tZebAction_position", {PIC, N, N}},
      {{"wposition"}, "tZebAction_wposition", {PIC, N, N}},
      {{"translatexy"}, "tZebAction_translate", {PIC, N, N, TICKS}},
      {{"wtranslatexy"}, "tZebAction_wtranslate", {PIC, N, N, TICKS}},
      {{"move"}, "tZebAction_move", {PIC, N, N, TICKS}},
      {{"wmove"}, "tZebAction_wmove", {PIC, N, N, TICKS}},
      {{"scale"}, "tZebAction_scale", {PIC, N, N}},
      {{"wscale"}, "tZebAction_wscale", {PIC, N, N}},
      {{"resize"}, "tZebAction_resize", {PIC, N, N, TICKS}},
      {{"wresize"}, "tZebAction_wresize", {PIC, N, N, TICKS}},
      {{"rotation"}, "tZebAction_rotation", {IMAGE_PIC, N}},
      {{"wrotation"}, "tZebAction_wrotation", {IMAGE_PIC, N}},
      {{"rotate"}, "tZebAction_rotate", {IMAGE_PIC, N, RATE}},
      {{"wrotate"}, "tZebAction_wrotate", {IMAGE_PIC, N, RATE}},
      {{"turn"}, "tZebAction_turn", {IMAGE_PIC, N, RATE}},
      {{"wturn"}, "tZebAction_wturn", {IMAGE_PIC, N, RATE}},
      // Written without the third number, the swap always happens.
      {{"swapxy"}, "tZebAction_swapxy", {PIC, PIC, optional(N)}},
      {{"centerobject", "cxy"}, "tZebAction_center", {PIC, PIC}},
      {{"mouseobject", "mxy"}, "tZebAction_centermouse", {PIC}},
      // on, first, last, rate, times; switching off needs only the pic and 0
      {{"anim"}, "tZebAction_anim", {ANIM_PIC, N, optional(N), optional(N), optional(RATE), optional(N)}},
      {{"wanim"}, "tZebAction_wanim", {ANIM_PIC, N, optional(N), optional(N), optional(RATE), optional(N)}},
      // on, times
      {{"setanim"}, "tZebAction_setanim", {ANIM_PIC, N, optional(N)}},
      {{"wsetanim"}, "tZebAction_wsetanim", {ANIM_PIC, N, optional(N)}},
      {{"setframe"}, "tZebAction_setframe", {ANIM_PIC, N}},
      {{"txtm", "txtonmouse", "txtonclick"}, "tZebAction_txtm", {TEXT}},
      {{"txtmm"}, "tZebAction_txtmm", {TEXT}},
      {{"txtonxy"}, "tZebAction_txtxy", {TEXT, N, N}},
      {{"txtmission"}, "tZebAction_txtmission", {MISSION, TEXT}},
      {{"txtupdate"}, "tZebAction_txtupdate", {OBJECT}},
      {{"txtautoupdateon"}, "tZebAction_txtautoupdateon", {OBJECT}},
      {{"txtautoupdateoff"}, "tZebAction_txtautoupdateoff", {OBJECT}},
      {{"settext", "settxt"}, "tZebAction_settext", {OBJECT, MESSAGE}},
      {{"addjournal", "addj"}, "tZebAction_addjournal", {MESSAGE}},
      {{"cls"}, "tZebAction_cleartxts", {}},
      {{"showobjectparticle", "sop"}, "tZebAction_showparticle", {PARTICLE_PIC}},
      {{"showobjectparticledelay", "sopd"}, "tZebAction_showparticledelay", {PARTICLE_PIC, MS}},
      {{"showforeverparticle"}, "tZebAction_showparticleforever", {PARTICLE_PIC}},
      {{"clsparticle", "clsp"}, "tZebAction_clearparticle", {PARTICLE_PIC}},
      {{"clsparticleinsublocation", "clspsl"}, "tZebAction_clearparticlelocation", {LOCATION}},
      {{"newdragpic"}, "tZebAction_newdragpic", {IMAGE_PIC, ITEM}},
      {{"dropitem"}, "tZebAction_dragoff", {}},
      {{"setmaxfakecounter"}, "tZebAction_fakemission", {MISSION, N}},
      {{"addfakecounter"}, "tZebAction_addfakemission", {MISSION, N}},
      {{"fadein"}, "tZebAction_fadein", {}},
      {{"fadeout", "fadeoff"}, "tZebAction_fadeout", {}},
      {{"fadehalf"}, "tZebAction_fadehalf", {}},
      {{"blockclick"}, "tZebAction_blockclick", {N}},
      {{"freezeobj"}, "tZebAction_freeze", {PIC}},
      {{"unfreeze"}, "tZebAction_unfreeze", {}},
      {{"showcursor", "shcur"}, "tZebAction_showcursor", {N}},
      {{"setcur"}, "tZebAction_cursor", {IMAGE_PIC, N}},
      {{"setcurbymission", "setcurbym"}, "tZebAction_cursorbymission", {MISSION, N}},
      {{"blockcursors", "blockcurs"}, "tZebAction_lockcursor", {}},
      {{"unblockcursors", "unblockcurs"}, "tZebAction_unlockcursor", {}},
      {{"darkmask", "darkm"}, "tZebAction_darkmask", {N}},
      {{"darkmasksize", "darkms"}, "tZebAction_darkmasksize", {N}},
      {{"darkmasksizewidth", "darkmsw"}, "tZebAction_darkmaskwidth", {N}},
      {{"darkmasksizeheight", "darkmsh"}, "tZebAction_darkmaskheight", {N}},
      {{"darkmaskalpha", "darkma"}, "tZebAction_darkmaskalpha", {N}},
      {{"darkmaskalphamodify", "darkmam"}, "tZebAction_darkmaskalphamodify", {N}},
      {{"overondarkmask"}, "tZebAction_overondarkmask", {}},
      {{"overoffdarkmask"}, "tZebAction_overoffdarkmask", {}},
      {{"changedarkmask"}, "tZebAction_changedarkmask", {VALUE}},
      {{"resetdarkmask"}, "tZebAction_resetdarkmask", {}},
      // message, x, y, command
      {{"unibutton", "unibtn"}, "tZebAction_unibutton", {MESSAGE, N, N, COMMAND}},
      {{"offunibutton", "offunibtn"}, "tZebAction_offunibutton", {}},
      {{"originoff"}, "tZebAction_originoff", {N}},
      {{"setglobalmission"}, "tZebAction_globalmission", {MESSAGE}},
      {{"mistake"}, "tZebAction_mistake", {N}},
      {{"addsosbonus", "adds"}, "tZebAction_addsosbonus", {N}},
      {{"sosblock"}, "tZebAction_sosblock", {N}},
      {{"sosoff"}, "tZebAction_sosoff", {N}},
      {{"journalblock"}, "tZebAction_journalblock", {N}},
      {{"blockjournal"}, "tZebAction_blockjournal", {}},
      {{"unblockjournal"}, "tZebAction_unblockjournal", {}},
      {{"zoomblock"}, "tZebAction_zoomblock", {N}},
      // name, volume
      {{"sound", "snd"}, "tZebAction_sound", {SOUND, optional(N)}},
      {{"stopsound"}, "tZebAction_stopsound", {SOUND}},
      {{"stopsounds"}, "tZebAction_stopsounds", {}},
      {{"musvol"}, "tZebAction_musicvolume", {N, TICKS}},
      {{"muslist"}, "tZebAction_musiclist", {N}},
      // duration, message shown, command called when it runs out, r, g, b;
      // "resist=0" alone takes the meter away
      {{"resist"}, "tZebAction_resist",
       {MS, optional(MESSAGE), optional(COMMAND), optional(N), optional(N), optional(N)}},
      {{"resistpause"}, "tZebAction_resistpause", {N}},
      {{"hidepointer"}, "tZebAction_hidepointer", {N}},
      {{"pointerxy"}, "tZebAction_pointerxy", {N, N}},
      // Without a name the link comes from the "url" file.
      {{"url"}, "tZebAction_url", {optional(LINK)}},
  };
  return rows;
}

// Stands in for a row whose class is not bound yet.
class tUnavailableAction : public tAction {
 public:
  explicit tUnavailableAction(std::shared_ptr<bool> reported) : _reported(std::move(reported)) {}

  float exec() override {
    if (!*_reported) DebugLog("not available yet: " + keyword());
    *_reported = true;
    return 0.0f;
  }

 private:
  std::shared_ptr<bool> _reported;  // shared by the row's actions
};

std::string plural(int32_t n, const char* noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

// A bare keyword and "keyword=" carry one empty argument, which counts as none.
int32_t writtenCount(const std::vector<std::string>& args) {
  if (args.size() == 1 && TrimScriptText(args[0]).empty()) return 0;
  return static_cast<int32_t>(args.size());
}

bool isPlainName(const std::string& text) {
  if (text.empty() || text[0] == '.' || (text[0] >= '0' && text[0] <= '9')) return false;
  const auto& operators = tExprOperators::Current();
  return std::none_of(text.begin(), text.end(), [&](char c) {
    return c == ':' || operators.contains(std::string(1, c));
  });
}

}  // namespace

std::string ArgNoun(const tArgSpec& spec) {
  switch (spec.kind) {
    case tArgKind::NAME:
      switch (spec.names) {
        case tNameOf::VARIABLE: return "variable";
        case tNameOf::MISSION: return "mission";
        case tNameOf::COMMAND: return "command";
        case tNameOf::GROUP: return "command group";
        case tNameOf::LOCATION: return "location";
        case tNameOf::TEXT: return "on-screen text";
        case tNameOf::MESSAGE: return "message";
        case tNameOf::SOUND: return "sound";
        case tNameOf::ITEM: return "item";
        case tNameOf::LINK: return "link";
        case tNameOf::NOTHING: break;
      }
      return "name";
    case tArgKind::PIC: return "pic";
    case tArgKind::IMAGE_PIC: return "image pic";
    case tArgKind::ANIM_PIC: return "animation pic";
    case tArgKind::PARTICLE_PIC: return "particle pic";
    case tArgKind::OBJECT: return "text or text pic";
    case tArgKind::N: return "number";
    case tArgKind::TICKS: return "duration in ticks";
    case tArgKind::RATE: return "rate per tick";
    case tArgKind::MS: return "duration in milliseconds";
    case tArgKind::VALUE: return "value";
  }
  return "argument";
}

int32_t tActionRow::minArgs() const {
  return static_cast<int32_t>(std::count_if(args.begin(), args.end(), [](const tArgSpec& a) { return !a.optional; }));
}

int32_t tActionRow::maxArgs() const { return static_cast<int32_t>(args.size()); }

std::string tActionRow::countProblem(const std::string& keyword, int32_t written) const {
  if (anyArgs || (written >= minArgs() && written <= maxArgs())) return "";
  const std::string takes = minArgs() == maxArgs() ? plural(maxArgs(), "argument")
                                                   : std::to_string(minArgs()) + " to " + plural(maxArgs(), "argument");
  return keyword + " takes " + takes + ", not " + std::to_string(written);
}

tActionKeywords::tActionKeywords(tContents contents) {
  if (contents == EMPTY) return;
  for (const tRowText& text : vocabulary()) {
    tActionRow row;
    row.keywords = text.keywords;
    row.className = text.className;
    row.args = text.args;
    row.anyArgs = text.anyArgs;
    if (row.className == "tAction") {
      // Markers the level loader looks for in pic scripts: they never do anything.
      row.maker = [] { return std::make_shared<tAction>(); };
      row.available = true;
    } else {
      row.maker = [reported = std::make_shared<bool>(false)] { return std::make_shared<tUnavailableAction>(reported); };
    }
    _rows.push_back(std::move(row));
  }
  reindex();
}

tActionKeywords& tActionKeywords::Current() { return tProcessWide<tActionKeywords>::get(); }

const tActionRow* tActionKeywords::find(const std::string& keyword) const {
  const auto found = _keywords.find(keyword);
  return found == _keywords.end() ? nullptr : &_rows[found->second];
}

tActionPtr tActionKeywords::make(const std::string& keyword) const {
  const tActionRow* row = find(keyword);
  if (!row) return nullptr;
  tActionPtr action = row->maker();
  action->keyword(keyword);
  return action;
}

void tActionKeywords::implement(const std::string& className, tActionMaker maker) {
  const auto row =
      std::find_if(_rows.begin(), _rows.end(), [&](const tActionRow& r) { return r.className == className; });
  if (row == _rows.end()) throw std::logic_error("no action keyword is run by " + className);
  row->maker = std::move(maker);
  row->available = true;
}

void tActionKeywords::add(tActionRow row) {
  for (tActionRow& held : _rows) {
    std::erase_if(held.keywords, [&](const std::string& k) { return std::count(row.keywords.begin(), row.keywords.end(), k) > 0; });
  }
  std::erase_if(_rows, [](const tActionRow& held) { return held.keywords.empty(); });
  _rows.push_back(std::move(row));
  reindex();
}

void tActionKeywords::reindex() {
  _keywords.clear();
  for (size_t i = 0; i < _rows.size(); ++i) {
    for (const std::string& keyword : _rows[i].keywords) _keywords[keyword] = i;
  }
}

tActionPtr MakeAction(const std::string& keyword) { return tActionKeywords::Current().make(keyword); }

std::string tArgumentUse::name() const {
  return spec.kind == tArgKind::NAME || isPlainName(text) ? text : "";
}

std::string tActionUse::problem() const {
  if (!row) return "undef: " + text;
  return row->countProblem(keyword, static_cast<int32_t>(args.size()));
}

std::vector<tArgumentUse> tActionUse::arguments() const {
  std::vector<tArgumentUse> uses;
  if (!row) return uses;
  for (size_t i = 0; i < args.size() && i < row->args.size(); ++i) uses.push_back({row->args[i], args[i]});
  return uses;
}

std::vector<tActionUse> DescribeAction(const std::string& actionText) {
  const std::string text = TrimScriptText(actionText);
  const tActionText split = SplitActionText(text);
  std::vector<tActionUse> uses;
  if (split.keyword.empty()) return uses;
  const tActionRow* row = tActionKeywords::Current().find(split.keyword);
  for (const auto& alternative : split.alternatives) {
    tActionUse use{text, split.keyword, row, {}};
    if (writtenCount(alternative) > 0) {
      for (const auto& argument : alternative) use.args.push_back(TrimScriptText(argument));
    }
    uses.push_back(std::move(use));
    if (!row) break;  // reported once, as the parser does
  }
  return uses;
}

std::vector<tActionUse> DescribeCommand(const std::string& commandText) {
  std::vector<tActionUse> uses;
  for (const auto& block : CommandBlockTexts(commandText)) {
    for (const auto& actionText : BlockActionTexts(block)) {
      for (auto& use : DescribeAction(actionText)) uses.push_back(std::move(use));
    }
  }
  return uses;
}

}  // namespace vandrell
