// The levels of the campaign hold together before any engine reads them: every file they
// name is in the tree, the hidden things can be seen and clicked, and the scripts speak
// the action vocabulary and name only what exists.
#include <cmath>
#include <regex>
#include <set>

#include "content_tree.h"
#include "level_files.h"
#include "platform/pixmap.h"
#include "platform/stream.h"
#include "platform/text_stream.h"
#include "resources/letter.h"
#include "script/zeb_script_scope.h"

namespace vandrell {

namespace {

// Scenes are drawn 30 units higher than their files place them (the origin offset the
// pics share while the level runs).
constexpr double kSceneOffset = 30;
constexpr double kSmallestThing = 24;
// On-screen texts are centred; a line wider than this leaves too little room for its
// rounded background before the screen's edges.
constexpr int32_t kWidestTextLine = 640;

// What an argument must name in the level, by the kind the engine's keyword registry
// gives it: p a pic, m a mission, c a command, l a location, x a message, t the source
// of on-screen texts, - anything.
char namedKind(const tArgSpec& spec) {
  switch (spec.kind) {
    case tArgKind::PIC:
    case tArgKind::IMAGE_PIC:
    case tArgKind::ANIM_PIC:
    case tArgKind::PARTICLE_PIC:
    case tArgKind::OBJECT:
      return 'p';
    case tArgKind::NAME:
      switch (spec.names) {
        case tNameOf::MISSION: return 'm';
        case tNameOf::COMMAND: return 'c';
        case tNameOf::LOCATION: return 'l';
        case tNameOf::MESSAGE: return 'x';
        case tNameOf::TEXT: return 't';
        default: return '-';
      }
    default:
      return '-';
  }
}

// Message lines the HUD draws for scripts, in its own fonts and room.
struct HudLine {
  const char* keyword;
  size_t arg;
  const char* font;
  int32_t width;
};
const HudLine kHudLines[] = {{"setglobalmission", 0, "1", 580}, {"resist", 1, "2", 200}};

// Font numbers of labels, texts and on-screen texts, and the fonts they load.
const std::map<int32_t, std::string> kFonts = {{1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {11, "1t"}};

std::string fontPath(const LevelPic& pic) {
  auto font = kFonts.find(static_cast<int32_t>(pic.field(24)));
  return font == kFonts.end() ? "" : "media/data/" + font->second + "/font";
}

// A mission's sound field: the sound's name, or "" for none.
std::string soundName(const std::string& field, bool apply) {
  std::string name = field.substr(0, field.find('='));
  name.erase(0, name.find_first_not_of(' '));
  name.erase(name.find_last_not_of(' ') + 1);
  if (name == "-1" || name == "nosound") return "";
  if (name == "0" || (apply && name.empty())) return "get1";
  return name;
}

// The baked font in media/data/NAME/font, loaded once.
const tLetter& font(const std::string& root, const std::string& name) {
  static std::map<std::string, tLetterPtr> fonts;
  tLetterPtr& font = fonts[name];
  if (!font) font = tLetter::Create(root + "/media/data/" + name + "/font", UTF8);
  return *font;
}

std::string firstLine(const std::string& path) {
  TStreamPtr stream = ReadFile(path);
  return stream ? TTextStream(stream, UTF8).readLine() : "";
}

class ContentLevelsTest : public ContentTest {
 protected:
  void SetUp() override {
    ContentTest::SetUp();
    if (IsSkipped()) return;
    campaign = CampaignLevels(root());
    for (const auto& [section, path] : campaign) levels.push_back(ReadLevel(root(), path));
    ASSERT_FALSE(levels.empty()) << "no campaign list";
  }

  // The file (a path below the program's folder) is there in every layout of the tree.
  static void expectInTree(const std::string& path, const std::string& why) {
    for (ContentLayout& layout : open(path)) {
      EXPECT_NE(layout.stream, nullptr) << path << ", named by " << why << ", is missing (" << layout.name << ")";
    }
  }

  static bool taggedForFinding(const Level& level, const LevelPic& pic) {
    for (const std::string& tag : pic.tags) {
      const LevelMission* mission = level.mission(tag);
      if (mission && mission->type != "system") return true;
    }
    return false;
  }

  std::map<std::string, std::string> campaign;
  std::vector<Level> levels;
  // Arguments are told from names by the script language's operators.
  ZebScriptScope script;
};

TEST_F(ContentLevelsTest, CampaignPlaysFromTheTitleThroughThreeChaptersToTheBonusScene) {
  for (const char* section : {"title", "intro", "menu", "extra", "0", "1", "2", "3", "4"}) {
    EXPECT_TRUE(campaign.count(section)) << "campaign section " << section;
  }
  tConfig list;
  TTextStream text(ReadFile(root() + "/locations/campaign.cfg"), LATIN1);
  list.Load(text);
  int32_t chapters = 0;
  for (int32_t n = 0; list.Contains(std::to_string(n), ""); ++n) {
    chapters += list.Contains(std::to_string(n), "chapter");
    EXPECT_TRUE(list.GetInt(std::to_string(n), "save", 0)) << "level " << n << " cannot be resumed";
  }
  EXPECT_GE(chapters, 3);
  for (const Level& level : levels) {
    ASSERT_FALSE(level.locations.empty()) << level.path << " has no location.cfg";
    for (const LevelLocation& location : level.locations) {
      // The shared system locations may stay empty.
      if (location.id.rfind("__", 0) != 0) expectInTree("locations/" + location.folder + "/objects.cfg", level.path);
    }
  }
}

TEST_F(ContentLevelsTest, EveryFileALevelNamesIsInTheTree) {
  for (const Level& level : levels) {
    SCOPED_TRACE(level.path);
    for (const LevelPic& pic : level.pics) {
      const std::string who = pic.location + "/" + pic.name;
      if (pic.isText()) {
        EXPECT_NE(fontPath(pic), "") << who << " has no font";
        if (!fontPath(pic).empty() && fontsBaked()) expectInTree(fontPath(pic), who);
      } else if (pic.isImage() || pic.isParticle()) {
        expectInTree("media/" + pic.source, who);
      } else {
        ADD_FAILURE() << who << " is of no kind the loader knows: " << pic.source;
      }
      if (pic.isParticle()) {
        // An effect loads its sprite by file name from the top of media/.
        const std::string sprite = firstLine(root() + "/media/" + pic.source);
        expectInTree("media/" + sprite.substr(sprite.rfind('/') + 1), pic.source);
      }
    }
    for (const std::string& image : level.messageImages) expectInTree("media/" + image, "a message");
    for (const std::string& track : level.tracks) expectInTree("music/" + track + ".ogg", "music.cfg");
    for (const LevelMission& mission : level.missions) {
      if (!mission.item.empty()) expectInTree("media/" + mission.item.substr(0, mission.item.find(',')), mission.id);
      if (mission.type == "system" || mission.sounds.empty()) continue;
      const std::string apply = soundName(mission.sounds[0], true);
      const std::string complete = mission.sounds.size() > 1 ? soundName(mission.sounds[1], false) : "";
      for (const std::string& sound : {apply, complete}) {
        if (!sound.empty()) expectInTree("media/" + sound + ".ogg", "mission " + mission.id);
      }
    }
    for (const LevelScript& script : level.scripts) {
      for (const ScriptAction& action : SplitScript(script.text)) {
        if ((action.keyword == "sound" || action.keyword == "snd") && !action.args.empty()) {
          expectInTree("media/" + action.args[0] + ".ogg", script.where);
        }
      }
    }
  }
}

TEST_F(ContentLevelsTest, HiddenThingsLieOnScreenAboveThePanelBigEnoughToFind) {
  TPixmapPtr panel = LoadPixmap(root() + "/media/data/panel.png");
  ASSERT_NE(panel, nullptr);
  const double panelTop = 600 - panel->height;
  int32_t hidden = 0;
  for (const Level& level : levels) {
    for (const LevelPic& pic : level.pics) {
      if (pic.isText() || !pic.isImage() || !taggedForFinding(level, pic)) continue;
      ++hidden;
      SCOPED_TRACE(level.path + ": " + pic.name);
      TPixmapPtr image = LoadPixmap(root() + "/media/" + pic.source);
      ASSERT_NE(image, nullptr);
      const double w = (pic.isAnim() ? pic.field(15) : image->width) * pic.field(2);
      const double h = (pic.isAnim() ? pic.field(16) : image->height) * pic.field(3);
      EXPECT_GE(std::min(std::abs(w), std::abs(h)), kSmallestThing);
      const double angle = pic.field(4) * M_PI / 180;
      const double halfW = (std::abs(w * std::cos(angle)) + std::abs(h * std::sin(angle))) / 2;
      const double halfH = (std::abs(w * std::sin(angle)) + std::abs(h * std::cos(angle))) / 2;
      const double x = pic.field(0), y = pic.field(1) - kSceneOffset;
      EXPECT_GE(x - halfW, 0);
      EXPECT_LE(x + halfW, 800);
      EXPECT_GE(y - halfH, 0);
      EXPECT_LE(y + halfH, panelTop) << "under the panel";
      // The hint points at a spot of the thing itself.
      if (pic.params.size() > 29) {
        EXPECT_NEAR(pic.field(28), x, halfW) << "hint point";
        EXPECT_NEAR(pic.field(29) - kSceneOffset, y, halfH) << "hint point";
      } else {
        ADD_FAILURE() << "no hint point";
      }
    }
  }
  EXPECT_GE(hidden, 4 * 12);
}

TEST_F(ContentLevelsTest, AnimationStripsHoldTheCellsTheirPicsCount) {
  for (const Level& level : levels) {
    for (const LevelPic& pic : level.pics) {
      if (!pic.isAnim()) continue;
      SCOPED_TRACE(level.path + ": " + pic.name);
      TPixmapPtr strip = LoadPixmap(root() + "/media/" + pic.source);
      ASSERT_NE(strip, nullptr);
      const auto cellW = static_cast<int32_t>(pic.field(15)), cellH = static_cast<int32_t>(pic.field(16));
      EXPECT_EQ(strip->width % cellW, 0);
      EXPECT_EQ(strip->height % cellH, 0);
      EXPECT_GE((strip->width / cellW) * (strip->height / cellH), pic.field(17));
      EXPECT_LE(pic.field(21), pic.field(17)) << "last frame";
    }
  }
}

TEST_F(ContentLevelsTest, MissionsTagsAndGroupsAgree) {
  for (const Level& level : levels) {
    SCOPED_TRACE(level.path);
    std::set<std::string> names;
    for (const LevelPic& pic : level.pics) {
      EXPECT_TRUE(names.insert(pic.name).second) << "two pics named " << pic.name;
      bool onlyScenery = !pic.tags.empty() && !pic.tags[0].empty();
      for (const std::string& tag : pic.tags) {
        if (tag.empty()) continue;
        const LevelMission* mission = level.mission(tag);
        EXPECT_NE(mission, nullptr) << pic.name << " is tagged with no mission: " << tag;
        onlyScenery = onlyScenery && mission && mission->type == "system";
      }
      // A click accepted only by scenery must not take the thing away.
      if (onlyScenery) {
        EXPECT_NE(pic.click.find("type=0"), std::string::npos) << pic.name;
      }
    }
    for (const LevelMission& mission : level.missions) {
      EXPECT_TRUE(std::set<std::string>({"textmission", "itemmission", "hidden", "system"}).count(mission.type))
          << mission.id << " has type " << mission.type << " (a record out of line?)";
      EXPECT_EQ(mission.params.size(), 4U) << mission.id;
      for (const std::string& field : mission.params) {
        EXPECT_TRUE(std::regex_match(field, std::regex("-?[0-9]+"))) << mission.id << ": " << field;
      }
    }
    for (const auto& group : level.groups) {
      for (const std::string& id : group) EXPECT_NE(level.mission(id), nullptr) << "group names " << id;
    }
  }
}

TEST_F(ContentLevelsTest, ScriptsSpeakTheVocabularyAndNameWhatExists) {
  for (const Level& level : levels) {
    SCOPED_TRACE(level.path);
    std::set<std::string> textSources;
    for (const LevelPic& pic : level.pics) {
      if (pic.isOnScreenText()) textSources.insert(pic.source);
    }
    const std::set<std::string> commands(level.commands.begin(), level.commands.end());
    for (const LevelScript& script : level.scripts) {
      for (const ScriptAction& action : SplitScript(script.text)) {
        EXPECT_EQ(action.problem(), "") << script.where;
        for (const tArgumentUse& argument : action.arguments()) {
          const std::string name = argument.name();
          if (name.empty()) continue;  // computed, not named
          const std::string where = script.where + ": " + action.keyword + " names " + name;
          switch (namedKind(argument.spec)) {
            case 'p': EXPECT_TRUE(level.pic(name) || name == "__in" || name == "object_input") << where; break;
            case 'm': EXPECT_NE(level.mission(name), nullptr) << where; break;
            case 'c': EXPECT_TRUE(commands.count(name)) << where; break;
            case 'l': EXPECT_TRUE(level.hasLocation(name)) << where; break;
            case 'x': EXPECT_TRUE(level.messages.count(name)) << where; break;
            case 't': EXPECT_TRUE(textSources.count(name) && level.messages.count(name)) << where; break;
            default: break;
          }
        }
      }
    }
    // The loader turns "and" and "or" into operators wherever they occur, inside names too.
    for (const std::string& condition : level.conditions) {
      std::smatch word;
      for (std::string rest = condition; std::regex_search(rest, word, std::regex("[a-z_][a-z0-9_:]*")); rest = word.suffix()) {
        const std::string name = word.str();
        if (name == "and" || name == "or") continue;
        EXPECT_EQ(name.find("and"), std::string::npos) << condition;
        EXPECT_EQ(name.find("or"), std::string::npos) << condition;
      }
    }
  }
}

TEST_F(ContentLevelsTest, WordsOnScreenExistAndFitTheirPlaces) {
  if (!fontsBaked()) GTEST_SKIP() << "the font baker was not built";
  for (const Level& level : levels) {
    SCOPED_TRACE(level.path);
    // Lines the HUD shows from a script: the panel's mission ribbon and the resist meter's label.
    for (const LevelScript& script : level.scripts) {
      for (const ScriptAction& action : SplitScript(script.text)) {
        for (const HudLine& hud : kHudLines) {
          if (action.keyword != hud.keyword || action.args.size() <= hud.arg || !level.messages.count(action.args[hud.arg])) continue;
          const std::string& text = level.messages.at(action.args[hud.arg]);
          EXPECT_LE(font(root(), hud.font).width(text.substr(0, text.find("[br]"))), hud.width)
              << script.where << ": " << text;
        }
      }
    }
    for (const LevelPic& pic : level.pics) {
      if (!pic.isText() || fontPath(pic).empty()) continue;
      auto message = level.messages.find(pic.source);
      if (message == level.messages.end()) {
        // A label set by script has no message of its own until then.
        EXPECT_FALSE(pic.isOnScreenText()) << pic.name << " shows no message " << pic.source;
        continue;
      }
      std::vector<std::string> lines;
      for (size_t start = 0, at; ; start = at + 4) {
        at = message->second.find("[br]", start);
        lines.push_back(message->second.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
      }
      tLetter letter = font(root(), kFonts.at(static_cast<int32_t>(pic.field(24))));
      if (pic.field(26) >= 2) {
        // A text block wraps its paragraphs to its box; they must not run past its foot.
        letter.space(0, static_cast<int32_t>(pic.field(27)));
        EXPECT_LE(letter.textHeight(static_cast<int32_t>(pic.field(2)), lines, "", ' '), pic.field(3)) << pic.name;
      }
      if (!pic.isOnScreenText()) continue;
      const auto n = static_cast<size_t>(pic.field(25));
      ASSERT_LT(n, lines.size()) << pic.name;
      EXPECT_FALSE(lines[n].empty()) << pic.name;
      EXPECT_LE(letter.width(lines[n]), kWidestTextLine) << pic.name << ": " << lines[n];
    }
  }
}

}  // namespace

}  // namespace vandrell
