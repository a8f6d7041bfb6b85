#include "platform/string_resources.h"

#include "platform/language_choice.h"

namespace vd::platform {

// The user's language is looked up for every text, as the Windows resource loader does.
std::string loadStringResource(unsigned id) {
  const LanguageTable& table =
      languageTableForLocale(messagesLocale(), kLanguageTables, kLanguageTableCount);
  for (int i = 0; i < table.count; ++i)
    if (table.entries[i].id == id) return table.entries[i].text;
  return std::string();
}

}  // namespace vd::platform
