#include "archive/entry_name.h"

#include "launcher/exceptions.h"

namespace vd {
namespace {

constexpr char kForbiddenCharacters[] = {'\\', '/', ':', '\0', '\n', '\r'};

// The name as it can be shown: control characters become '?'.
std::string printable(const std::string& name) {
  std::string shown = name;
  for (char& c : shown)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  return shown;
}

}  // namespace

bool isPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : kForbiddenCharacters)
    if (name.find(c) != std::string::npos) return false;
  return true;
}

void checkEntryName(const std::string& name) {
  if (isPlainFileName(name)) return;
  throw LauncherException("Invalid embedded file name \"" + printable(name) +
                          "\": it must be a plain file name without a directory.");
}

}  // namespace vd
