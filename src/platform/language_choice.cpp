#include "platform/language_choice.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/environment.h"

namespace vd::platform {
namespace {

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool isUtf8Codeset(const std::string& locale) {
  size_t dot = locale.find('.');
  if (dot == std::string::npos) return false;
  std::string codeset = lowered(locale.substr(dot + 1, locale.find('@', dot) - dot - 1));
  return codeset == "utf-8" || codeset == "utf8";
}

// "pt_BR.UTF-8@euro" -> "pt-br"; the tags compare the same way, lower-cased.
std::string tagOfLocale(const std::string& locale) {
  std::string name = locale.substr(0, locale.find_first_of(".@"));
  std::replace(name.begin(), name.end(), '_', '-');
  return lowered(name);
}

std::string languageOf(const std::string& tag) { return tag.substr(0, tag.find('-')); }

}  // namespace

const LanguageTable& languageTableForLocale(const std::string& locale,
                                            const LanguageTable* tables, int count) {
  if (!isUtf8Codeset(locale)) return tables[0];
  std::string wanted = tagOfLocale(locale);
  for (int i = 0; i < count; ++i)
    if (lowered(tables[i].tag) == wanted) return tables[i];
  for (int i = 0; i < count; ++i)
    if (languageOf(lowered(tables[i].tag)) == languageOf(wanted)) return tables[i];
  return tables[0];
}

std::string messagesLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    std::optional<std::string> value = getEnvironmentVariable(name);
    if (value && !value->empty()) return *value;
  }
  return std::string();
}

}  // namespace vd::platform
