// A record of "objects.cfg": the seven lines that describe one scene object,
// split into what the level builds it from, and the choice of the kind of
// object the record makes.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/level_file.h"
#include "scene/pic.h"
#include "scene/pic_params.h"

namespace vandrell {

// What a record makes. TXT is an on-screen text; NONE a text kind of no
// known number, which makes nothing and says nothing; UNDEFINED a source
// of no known kind, which is reported.
enum class tPicKind { NONE, TXT, LABEL, LEFT_TEXT, CENTER_TEXT, ANIM, PARTICLE, IMAGE, UNDEFINED };

struct tPicRecord {
  // The lines in record order, for diagnostics.
  enum tLine { NAME, SHAPE, SOURCE, PARAMS, TAGS, CLICK, EVERY, LINES };

  // The number of the record's first line in its file.
  int32_t line = 0;
  std::string name;
  // Each "x,y"; the record's own position is always the last.
  std::vector<std::string> candidates;
  // The hit shape: null without one, empty when the shape line has the
  // separator and no points.
  tPolyPtr poly;
  std::string source;
  tPicParams params;
  std::vector<std::string> tags;
  // In lower case, with "&me&" and "&locname&" filled in.
  std::string click;
  std::string every;

  // Reads the next seven lines of `file` as the record of a pic of the
  // location `locname`.
  static tPicRecord Read(tLevelFile& file, const std::string& locname);

  tPicKind kind() const;
  // Where a line of the record is in `file`.
  int32_t lineOf(tLine which) const { return line + static_cast<int32_t>(which); }
  // The first sign that the record is out of step with the file's
  // seven-line rhythm (a number where the name belongs, words among the
  // parameters): the line at fault and what is wrong with it; LINES and ""
  // when nothing looks wrong.
  std::pair<tLine, std::string> misalignment() const;
};

// The text after the last "." when no "/" follows it, else "".
std::string SourceExtension(const std::string& source);

// What a line looks like, when it plainly is something else than the line
// a record expects there: "a parameter record", "a command", "an image
// file", "a particle file"; "" for anything else.
std::string LineLooksLike(const std::string& line);

}  // namespace vandrell
