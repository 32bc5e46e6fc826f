// The keyword registry: every action keyword of the script language with its
// aliases, the arguments it takes and the class that runs it. The rows are
// data, filled in table order when the registry is made; each subsystem then
// binds the classes of the rows it acts on at start-up. A row whose class no
// subsystem has bound yet still parses, and reports once that it is not
// available yet when it runs.
//
// Tools read the same rows: DescribeCommand tells, for every action of a
// command text, which row it belongs to, whether its argument count fits and
// what each argument must name, without running anything.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vandrell {

class tAction;
using tActionPtr = std::shared_ptr<tAction>;
using tActionMaker = std::function<tActionPtr()>;

// How an action reads one argument.
enum class tArgKind : uint8_t {
  NAME,          // the text as written, not evaluated; `names` says what it names
  PIC,           // evaluated; the object must be a pic of the kind named
  IMAGE_PIC,
  ANIM_PIC,
  PARTICLE_PIC,
  OBJECT,        // evaluated; an on-screen text, a label pic or a text pic
  N,             // evaluated number
  TICKS,         // evaluated duration in ticks of the level data
  RATE,          // evaluated amount per tick
  MS,            // evaluated duration in milliseconds
  VALUE,         // evaluated and kept as it is, number or object
};

// What a NAME argument names.
enum class tNameOf : uint8_t {
  NOTHING,
  VARIABLE,  // a script variable, or a player's variable for "uv"
  MISSION,
  COMMAND,
  GROUP,     // a command group
  LOCATION,
  TEXT,      // the source name of on-screen texts
  MESSAGE,   // a key of the level's message table
  SOUND,
  ITEM,      // an item of the bottom panel
  LINK,      // a web link's key in the strings
};

struct tArgSpec {
  tArgKind kind = tArgKind::N;
  tNameOf names = tNameOf::NOTHING;
  // A missing optional argument takes the action's default.
  bool optional = false;
};

// What the kind of argument is called in diagnostics: "mission", "image pic".
std::string ArgNoun(const tArgSpec& spec);

struct tActionRow {
  // The keyword first, then its aliases.
  std::vector<std::string> keywords;
  // The class that runs the row; every alias makes an object of it.
  std::string className;
  std::vector<tArgSpec> args;
  // Markers and placeholders take whatever they are written with.
  bool anyArgs = false;
  tActionMaker maker;
  // False while the row's class is not bound: its actions report that they are
  // not available yet and do nothing.
  bool available = false;

  int32_t minArgs() const;
  int32_t maxArgs() const;
  // "" when `written` arguments fit, else what is wrong, e.g.
  // "sm takes 1 argument, not 2".
  std::string countProblem(const std::string& keyword, int32_t written) const;
};

class tActionKeywords {
 public:
  enum tContents { VOCABULARY, EMPTY };
  // The whole vocabulary with no class bound but the do-nothing markers, or
  // an empty registry for tests that bring keywords of their own.
  explicit tActionKeywords(tContents contents = VOCABULARY);

  static tActionKeywords& Current();

  // The row of a keyword (case-sensitive), or null. Valid until rows are added.
  const tActionRow* find(const std::string& keyword) const;
  const std::vector<tActionRow>& rows() const { return _rows; }
  // A new action of the keyword's class, or null when it is not registered.
  tActionPtr make(const std::string& keyword) const;

  // Binds the class of the row named `className`; binding again replaces the
  // class. A name no row bears is a programming error and throws.
  void implement(const std::string& className, tActionMaker maker);
  template <class Action>
  void implement(const std::string& className) {
    implement(className, [] { return std::make_shared<Action>(); });
  }

  // Adds a row; its keywords leave any row that held them, and a row left
  // without keywords goes.
  void add(tActionRow row);

 private:
  void reindex();

  std::vector<tActionRow> _rows;
  std::map<std::string, size_t> _keywords;
};

// Binds the row named after the class to it, e.g.
// VANDRELL_ACTION(tActionKeywords::Current(), tZebAction_set).
#define VANDRELL_ACTION(KEYWORDS, CLASS) (KEYWORDS).implement<CLASS>(#CLASS)

// Registers a class under its keyword and its aliases, taking any arguments:
// for keywords outside the vocabulary, such as those of tests.
template <typename Action>
void RegisterAction(std::initializer_list<const char*> keywords) {
  tActionRow row;
  row.keywords.assign(keywords.begin(), keywords.end());
  row.anyArgs = true;
  row.maker = [] { return std::make_shared<Action>(); };
  row.available = true;
  tActionKeywords::Current().add(std::move(row));
}

// A new action for the keyword, or null when it is not registered.
tActionPtr MakeAction(const std::string& keyword);

// One written argument and what the row expects of it.
struct tArgumentUse {
  tArgSpec spec;
  std::string text;  // as written, trimmed
  // The name the argument gives: the text of a NAME argument, or of an
  // evaluated one written as a bare variable (how pics are named); "" for
  // anything computed.
  std::string name() const;
};

// One action of a command text, one per "|" alternative, as the parser reads it.
struct tActionUse {
  std::string text;     // the action text, trimmed
  std::string keyword;
  const tActionRow* row = nullptr;  // null: no such keyword
  std::vector<std::string> args;    // as written, trimmed; none for a bare keyword
  // "" when the action is fine as written, else "undef: " + text for an
  // unknown keyword or the count problem.
  std::string problem() const;
  // The written arguments the row gives a kind to, in order.
  std::vector<tArgumentUse> arguments() const;
};

// Every action of a command text (blocks, ";" pieces, "|" alternatives).
std::vector<tActionUse> DescribeCommand(const std::string& commandText);
// The alternatives of one action text.
std::vector<tActionUse> DescribeAction(const std::string& actionText);

}  // namespace vandrell
