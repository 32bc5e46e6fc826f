// One entry of a level's message table: the words of a story or hint message,
// possibly over several lines, with expressions whose current values are
// printed in place whenever a line is read, and an optional illustration.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"
#include "script/expr.h"

namespace vandrell {

class tMessage {
 public:
  // Literal text, then the value of the expression when there is one. A line
  // is a list of these, so literals and expressions alternate as written.
  struct tSegment {
    std::string text;
    tExprPtr expr;
  };
  using tLine = std::vector<tSegment>;

  virtual ~tMessage() = default;

  // A message whose lines are built from `markup` (see loadLine).
  static std::shared_ptr<tMessage> Create(const std::string& markup);

  // The illustration the journal shows beside the message.
  virtual void image(const TImagePtr& image, float scale, float offset);
  virtual const TImagePtr& getImage() const { return _image; }
  virtual float getScale() const { return _scale; }
  virtual float getOffset() const { return _offset; }

  // Replaces the lines: "[br]" separates lines, "[%%]" switches between
  // literal text and an expression within a line (literal first).
  // Expression text is trimmed and lower-cased, as all script text is.
  virtual void loadLine(const std::string& text);
  // Line n with every expression evaluated now, rounded half away from zero
  // and printed as an integer; "" for a line the message does not have.
  virtual std::string getLine(int32_t n) const;
  virtual std::vector<std::string> getText() const;
  // All lines joined with one blank.
  virtual std::string getLong() const;

 private:
  TImagePtr _image;
  float _scale = 1.0f;
  float _offset = 0.0f;
  std::vector<tLine> _lines;
};

using tMessagePtr = std::shared_ptr<tMessage>;

}  // namespace vandrell
