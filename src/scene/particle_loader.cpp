#include "scene/particle_loader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/settings.h"
#include "platform/log.h"
#include "resources/config.h"
#include "resources/media_lookup.h"
#include "scene/particle_factory.h"
#include "scene/particle_manager.h"
#include "scene/zeb_particle.h"
#include "scene/zeb_particle_fluctuant.h"

namespace vandrell {

namespace {

constexpr int32_t LINES = 76;

using S = tZebParticleStruct;

// Which record a line goes to: the particle's own, or its random ranges.
enum tTarget { PARTICLE, RANGE };

struct tFloatLine {
  int32_t line;
  float S::*field;
  tTarget target;
};

struct tIntLine {
  int32_t line;
  int32_t S::*field;
  tTarget target;
};

// The lines that are plain values of one record (counted from 1).
constexpr tFloatLine FLOAT_LINES[] = {
    {11, &S::x, RANGE},           {12, &S::y, RANGE},           {13, &S::xSpeed, PARTICLE},
    {14, &S::ySpeed, PARTICLE},   {15, &S::xSpeed, RANGE},      {16, &S::ySpeed, RANGE},
    {17, &S::xF, PARTICLE},       {18, &S::yF, PARTICLE},       {19, &S::rotate, PARTICLE},
    {20, &S::rotate, RANGE},      {21, &S::rotateSpeed, PARTICLE}, {22, &S::rotateSpeed, RANGE},
    {23, &S::rotateF, PARTICLE},  {24, &S::gRotate, PARTICLE},  {25, &S::gRotate, RANGE},
    {26, &S::gRotateSpeed, PARTICLE}, {27, &S::gRotateSpeed, RANGE}, {28, &S::gRotateF, PARTICLE},
    {29, &S::scaleX, PARTICLE},   {30, &S::scaleY, PARTICLE},   {31, &S::scaleX, RANGE},
    {32, &S::scaleY, RANGE},      {33, &S::scaleXSpeed, PARTICLE}, {34, &S::scaleYSpeed, PARTICLE},
    {35, &S::scaleXSpeed, RANGE}, {36, &S::scaleYSpeed, RANGE}, {37, &S::scaleXF, PARTICLE},
    {38, &S::scaleYF, PARTICLE},  {39, &S::alpha, PARTICLE},    {40, &S::alpha, RANGE},
    {41, &S::alphaSpeed, PARTICLE}, {42, &S::alphaSpeed, RANGE}, {43, &S::alphaF, PARTICLE},
    {46, &S::r, PARTICLE},        {47, &S::g, PARTICLE},        {48, &S::b, PARTICLE},
    {49, &S::r, RANGE},           {50, &S::g, RANGE},           {51, &S::b, RANGE},
    {52, &S::rSpeed, PARTICLE},   {53, &S::gSpeed, PARTICLE},   {54, &S::bSpeed, PARTICLE},
    {55, &S::rSpeed, RANGE},      {56, &S::gSpeed, RANGE},      {57, &S::bSpeed, RANGE},
    {58, &S::rF, PARTICLE},       {59, &S::gF, PARTICLE},       {60, &S::bF, PARTICLE},
    {61, &S::gravity, PARTICLE},  {62, &S::gravityF, PARTICLE}, {63, &S::showUp, PARTICLE}};

constexpr tIntLine INT_LINES[] = {{7, &S::incLife, PARTICLE},
                                  {8, &S::incLife, RANGE},
                                  {44, &S::blending, PARTICLE},
                                  {45, &S::type_, PARTICLE},
                                  {76, &S::course, PARTICLE}};

// The lines of one description, read as the data format reads them: a number
// is what its text starts with, and anything else is 0.
class tDescription {
 public:
  tDescription(TTextStream& text, std::string name) : _name(std::move(name)) {
    while (static_cast<int32_t>(_lines.size()) < LINES && !text.eof()) _lines.push_back(text.readLine());
    if (static_cast<int32_t>(_lines.size()) < LINES) {
      DebugLog("level> " + _name + " has " + std::to_string(_lines.size()) + " of " + std::to_string(LINES) +
               " lines; the values missing are 0");
    }
  }

  // The line without surrounding blanks; "" past the end.
  std::string text(int32_t line) const {
    return line <= static_cast<int32_t>(_lines.size()) ? TrimConfigLine(_lines[line - 1]) : "";
  }

  float number(int32_t line) const {
    if (line > static_cast<int32_t>(_lines.size())) return 0.0f;
    const std::string value = text(line);
    char* end = nullptr;
    const double read = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || !std::isfinite(read)) return malformed(line, value);
    return static_cast<float>(bounded(line, value, read));
  }

  int32_t integer(int32_t line) const {
    if (line > static_cast<int32_t>(_lines.size())) return 0;
    const std::string value = text(line);
    char* end = nullptr;
    // Saturates on overflow, which the bound then catches.
    const long long read = std::strtoll(value.c_str(), &end, 10);
    if (end == value.c_str()) return static_cast<int32_t>(malformed(line, value));
    // Exact: what is not clamped is far below the precision of a double.
    return static_cast<int32_t>(bounded(line, value, static_cast<double>(read)));
  }

  void complain(int32_t line, const std::string& problem) const {
    DebugLog("level> " + _name + " line " + std::to_string(line) + ": " + problem);
  }

 private:
  float malformed(int32_t line, const std::string& value) const {
    complain(line, quoted(value) + " is not a number; 0 is used");
    return 0.0f;
  }

  // Values beyond what any particle can use are brought within the bound
  // particles keep to, so that arithmetic on them stays finite.
  double bounded(int32_t line, const std::string& value, double read) const {
    if (std::abs(read) <= S::LIMIT) return read;
    const double limit = read < 0 ? -S::LIMIT : S::LIMIT;
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", limit);
    complain(line, quoted(value) + " is out of range; " + shown + " is used");
    return limit;
  }

  // The text of a line as a diagnostic shows it, however long the line is.
  static std::string quoted(const std::string& value) {
    constexpr size_t SHOWN = 40;
    return "\"" + value.substr(0, SHOWN) + (value.size() > SHOWN ? "...\"" : "\"");
  }

  std::string _name;
  std::vector<std::string> _lines;
};

// A particle count of a batch, within what a manager can hold.
int32_t batchCount(const tDescription& description, int32_t line) {
  const int32_t count = description.integer(line);
  const int32_t most = tParticleManager::MAX_PARTICLES;
  if (std::abs(count) <= most) return count;
  description.complain(line, std::to_string(count) + " particles per batch are more than the " +
                                 std::to_string(most) + " an effect can hold; " + std::to_string(most) + " is used");
  return count < 0 ? -most : most;
}

void readAnimation(const tDescription& description, tZebParticleStruct& particle) {
  tSettings& settings = tSettings::Current();
  tAnim anim;
  const int32_t runs = description.integer(70);
  anim.anim(settings.inc2speed(description.number(69)), description.integer(67) - 1, description.integer(68) - 1,
            runs == 0 ? ANIM_LOOP : runs);
  anim.go(description.integer(71) - 1);
  if (description.integer(66) == 0) anim.pause();
  particle.anim = anim;
}

void loadSprite(const tDescription& description, tZebParticleStruct& particle, tResourceManager& resources) {
  std::string file = description.text(1);
  file = file.substr(file.rfind('/') + 1);
  if (file.empty()) {
    description.complain(1, "no sprite; the particles are not drawn");
    return;
  }
  const int32_t width = description.integer(64);
  if (width <= 0) {
    particle.sprite = tFile::Current().image(file, FILTEREDIMAGE, resources);
  } else {
    particle.sprite = tFile::Current().anim(file, width, description.integer(65), 0, description.integer(72),
                                            FILTEREDIMAGE, resources);
    readAnimation(description, particle);
  }
  if (!particle.sprite) description.complain(1, "the sprite \"" + file + "\" cannot be loaded");
}

}  // namespace

std::shared_ptr<tZebEmitter> loadParticleEmitter(const std::string& path, tResourceManager& resources) {
  const TStreamPtr stream = tFile::Current().media(path);
  if (!stream) {
    DebugLog("level> Cannot open the particle description " + path);
    return nullptr;
  }
  TTextStream text(stream, UTF8);
  return readParticleEmitter(text, path, resources);
}

std::shared_ptr<tZebEmitter> readParticleEmitter(TTextStream& text, const std::string& name,
                                                 tResourceManager& resources) {
  auto sample = std::make_shared<tZebParticle>();
  tZebParticleStruct& particle = sample->record();
  auto range = std::make_shared<tZebParticleFluctuant>();
  range->sc = 1.0f;
  const std::shared_ptr<tZebEmitter> emitter = tZebEmitter::Create(sample, range);
  tParticleFactory* const factory = emitter->emit.get();

  const tDescription description(text, name);
  tSettings& settings = tSettings::Current();
  factory->emitPeriod = settings.inc2period(static_cast<float>(std::max(1, description.integer(3))));
  factory->emitPeriodFluctuant = settings.inc2period(static_cast<float>(description.integer(4)));
  factory->emitCount = batchCount(description, 5);
  factory->emitCountFluctuant = batchCount(description, 6);
  for (const tFloatLine& line : FLOAT_LINES) {
    tZebParticleStruct& record = line.target == PARTICLE ? particle : *range;
    record.*line.field = description.number(line.line);
  }
  for (const tIntLine& line : INT_LINES) {
    tZebParticleStruct& record = line.target == PARTICLE ? particle : *range;
    record.*line.field = description.integer(line.line);
  }
  range->animSpeedF = settings.inc2speed(description.number(74));
  range->animRandom = description.integer(75);
  loadSprite(description, particle, resources);
  return emitter;
}

}  // namespace vandrell
