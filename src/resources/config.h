// Sectioned "name=value" text files held in memory: the format of the options
// file, the strings, font descriptions, profiles, saved games and the campaign.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/stream.h"
#include "platform/text_stream.h"

namespace vandrell {

class tConfigOption {
 public:
  std::string name;
  std::string memo;

  static std::shared_ptr<tConfigOption> Create(const std::string& name, const std::string& memo);
};

using tConfigOptionPtr = std::shared_ptr<tConfigOption>;

class tConfigBase {
 public:
  std::string srcUrl;
  int32_t srcEncode = UTF8;

  // Line kinds returned by TokensString.
  static constexpr int32_t TOKEN_NONE = 0;
  static constexpr int32_t TOKEN_COMMENT = 1;
  static constexpr int32_t TOKEN_SECTION = 2;
  static constexpr int32_t TOKEN_OPTION = 3;

  virtual ~tConfigBase() = default;

  virtual void Clear() = 0;
  // The url is remembered even when the file cannot be opened, so that a
  // configuration whose file does not exist yet can still be saved there.
  virtual int32_t LoadFile(const std::string& url, int32_t encoding);
  virtual int32_t SaveFileAs(const std::string& url, int32_t encoding);
  virtual int32_t SaveFile();
  virtual int32_t Load(TTextStream& stream);
  virtual int32_t Save(TTextStream& stream);
  virtual void AddSection(const std::string& section) = 0;
  virtual void AddOption(const std::string& section, const std::string& name, const std::string& value) = 0;
  virtual void RemoveSection(const std::string& section) = 0;
  virtual std::vector<std::string> Sections() const = 0;
  virtual std::vector<std::string> Options(const std::string& section) const = 0;
  virtual std::vector<tConfigOptionPtr> OptionsOptions(const std::string& section) const = 0;
  virtual int32_t Get(const std::string& section, const std::string& name, std::string& value) const = 0;
  virtual void Set(const std::string& section, const std::string& name, const std::string& value) = 0;
  virtual int32_t Contains(const std::string& section, const std::string& name) const = 0;
  virtual std::string GetString(const std::string& section, const std::string& name,
                                const std::string& fallback) const;
  virtual int32_t GetInt(const std::string& section, const std::string& name, int32_t fallback) const;
  virtual float GetFloat(const std::string& section, const std::string& name, float fallback) const;
  virtual double GetDouble(const std::string& section, const std::string& name, double fallback) const;
  virtual void SetString(const std::string& section, const std::string& name, const std::string& value);
  virtual void SetInt(const std::string& section, const std::string& name, int32_t value);
  virtual void SetFloat(const std::string& section, const std::string& name, float value);
  virtual void SetDouble(const std::string& section, const std::string& name, double value);

  // Classifies one trimmed line; `first` and `second` receive the section name
  // or the option's name and value.
  static int32_t TokensString(const std::string& line, std::string& first, std::string& second);

  // Reads a plain byte stream, one byte per character.
  int32_t Load(const TStreamPtr& stream);
};

using tOptionMap = std::map<std::string, std::string>;
using tOptionList = std::vector<tConfigOptionPtr>;
// One section: a map of unique names, or (multi-configurations) every record
// in order of addition.
using tConfigStore = std::variant<tOptionMap, tOptionList>;

class tConfig : public tConfigBase {
 public:
  void Clear() override;
  void AddSection(const std::string& section) override;
  void AddOption(const std::string& section, const std::string& name, const std::string& value) override;
  void RemoveSection(const std::string& section) override;
  std::vector<std::string> Sections() const override;
  std::vector<std::string> Options(const std::string& section) const override;
  std::vector<tConfigOptionPtr> OptionsOptions(const std::string& section) const override;
  int32_t Get(const std::string& section, const std::string& name, std::string& value) const override;
  void Set(const std::string& section, const std::string& name, const std::string& value) override;
  int32_t Contains(const std::string& section, const std::string& name) const override;

 protected:
  // Inserts a section that does not exist yet; without a store it gets a new
  // empty one of the kind this class keeps.
  virtual void AddSection(const std::string& section, std::optional<tConfigStore> store);

  // The section's store of the given kind, created when missing.
  template <typename Store>
  Store& store(const std::string& section) {
    AddSection(section);
    return std::get<Store>(_sections.at(section));
  }
  // The section's store of the given kind, or null.
  template <typename Store>
  const Store* findStore(const std::string& section) const {
    const auto found = _sections.find(section);
    return found == _sections.end() ? nullptr : std::get_if<Store>(&found->second);
  }

  std::map<std::string, tConfigStore> _sections;
};

// Keeps sections in the order they were created instead of sorted by name.
class tOrderConfig : public tConfig {
 public:
  using tConfig::AddSection;
  void Clear() override;
  void RemoveSection(const std::string& section) override;
  std::vector<std::string> Sections() const override;

 protected:
  void AddSection(const std::string& section, std::optional<tConfigStore> store) override;

  std::vector<std::string> _order;
};

// Keeps every option line, repeated names included, in order of addition.
class tMultiConfig : public tConfig {
 public:
  using tConfig::AddSection;
  void AddOption(const std::string& section, const std::string& name, const std::string& value) override;
  std::vector<std::string> Options(const std::string& section) const override;
  // The stored records themselves: changing one changes the configuration.
  std::vector<tConfigOptionPtr> OptionsOptions(const std::string& section) const override;
  int32_t Get(const std::string& section, const std::string& name, std::string& value) const override;
  void Set(const std::string& section, const std::string& name, const std::string& value) override;
  int32_t Contains(const std::string& section, const std::string& name) const override;

 protected:
  void AddSection(const std::string& section, std::optional<tConfigStore> store) override;
};

// The lines of configuration text: a line ends at LF, at a character 0 or at
// the end; carriage returns are dropped wherever they are.
std::vector<std::string> ReadConfigLines(TTextStream& stream);
// The line without the characters of code 32 or less at either end.
std::string TrimConfigLine(const std::string& line);

}  // namespace vandrell
