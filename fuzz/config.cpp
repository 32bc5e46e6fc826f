// The configuration reader on arbitrary text in every encoding; the first
// byte chooses the encoding. Text read as Latin-1 must also come back
// unchanged through a save and a second load.
#include <cstdlib>
#include <string>

#include "resources/config.h"

using namespace vandrell;

namespace {

std::string saved(tConfigBase& config, int32_t encoding) {
  auto bank = std::make_shared<TBank>();
  TTextStream out(std::make_shared<TBankStream>(bank), encoding);
  config.Save(out);
  return std::string(bank->bytes().begin(), bank->bytes().end());
}

void load(tConfigBase& config, const std::string& bytes, int32_t encoding) {
  TTextStream in(CreateBankStream(bytes), encoding);
  config.Load(in);
}

void query(const tConfigBase& config) {
  for (const std::string& section : config.Sections()) {
    for (const std::string& name : config.Options(section)) {
      config.GetInt(section, name, 0);
      config.GetFloat(section, name, 0.0f);
      config.GetDouble(section, name, 0.0);
      config.Contains(section, name);
    }
  }
}

template <typename Config>
void check(const std::string& text, int32_t encoding) {
  Config config;
  load(config, text, encoding);
  query(config);
  const std::string first = saved(config, encoding);
  if (encoding != LATIN1) return;
  Config again;
  load(again, first, encoding);
  if (saved(again, encoding) != first) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int32_t encoding = LATIN1 + data[0] % 4;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  check<tConfig>(text, encoding);
  check<tMultiConfig>(text, encoding);
  check<tOrderConfig>(text, encoding);
  return 0;
}
