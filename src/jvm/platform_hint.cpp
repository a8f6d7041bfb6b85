#include "jvm/platform_hint.h"

#include <optional>

#include "launcher/exceptions.h"
#include "launcher/log.h"
#include "launcher/text.h"

namespace vd {
namespace {

constexpr unsigned kInvalidHiveResource = 27;
constexpr unsigned kInvalidHintResource = 28;

using platform::RegistryRead;
using platform::RegistryRoot;

std::optional<RegistryRoot> rootNamed(const std::string& hive) {
  if (hive == "HKEY_LOCAL_MACHINE") return RegistryRoot::kLocalMachine;
  if (hive == "HKEY_CURRENT_USER") return RegistryRoot::kCurrentUser;
  if (hive == "HKEY_USERS") return RegistryRoot::kUsers;
  if (hive == "HKEY_CLASSES_ROOT") return RegistryRoot::kClassesRoot;
  if (hive == "HKEY_CURRENT_CONFIG") return RegistryRoot::kCurrentConfig;
  return std::nullopt;
}

std::vector<std::string> nonEmpty(const std::string& text) {
  if (text.empty()) return {};
  return {text};
}

}  // namespace

PlatformHintParts splitPlatformHint(const std::string& hint) {
  PlatformHintParts parts;
  size_t start = (!hint.empty() && hint[0] == '\\') ? 1 : 0;
  size_t first = hint.find('\\', start);
  if (first == std::string::npos) return parts;
  size_t last = hint.rfind('\\');
  parts.hive = hint.substr(start, first - start);
  parts.fallbackKeyPath = hint.substr(first + 1);
  if (first == last) {
    parts.keyPath = parts.fallbackKeyPath;
    parts.valueName = parts.fallbackKeyPath;
  } else {
    parts.keyPath = hint.substr(first + 1, last - first - 1);
    parts.valueName = hint.substr(last + 1);
  }
  return parts;
}

std::vector<std::string> resolvePlatformHint(const std::string& hint, const HintSources& sources) {
  if (hint.empty()) return {};
  PlatformHintParts parts = splitPlatformHint(hint);
  std::optional<RegistryRoot> root = rootNamed(parts.hive);
  if (!root) throw LauncherException(formatResource(kInvalidHiveResource, {parts.hive, hint}));

  RegistryRead read = sources.readRegistryText(*root, parts.keyPath, parts.valueName);
  // A key that opens but lacks the value may hold the home as its default value instead.
  if (read.status == RegistryRead::Status::kValueNotRead)
    read = sources.readRegistryText(*root, parts.fallbackKeyPath, "");
  if (read.status == RegistryRead::Status::kFound) return nonEmpty(read.text);
  writeLog(formatResource(kInvalidHintResource, {systemErrorText(read.error)}), kLogWarning);
  return {};
}

}  // namespace vd
