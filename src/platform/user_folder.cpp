#include "platform/user_folder.h"

#include "platform/process.h"

namespace vandrell {

std::string DefaultUserPath(const std::string& company, const std::string& title) {
  std::string root = GetEnv("APPDATA");
  if (root.empty()) root = GetEnv("XDG_DATA_HOME");
  if (root.empty() && !GetEnv("HOME").empty()) root = GetEnv("HOME") + "/.local/share";
  if (root.empty()) root = ".";
  return root + "/" + company + "/" + title + "/";
}

}  // namespace vandrell
