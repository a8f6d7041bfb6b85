#pragma once
#include <string>

namespace vd::platform {

// A numbered string resource of the launcher in the user's language; empty when missing.
std::string loadStringResource(unsigned id);

// The compiled-in table used where there are no native string resources.
struct StringEntry {
  unsigned id;
  const char* text;
};
extern const StringEntry kStringTable[];  // English
extern const int kStringTableSize;

// Every language's table, English first; `tag` is "de", "pt-BR" and the like.
struct LanguageTable {
  const char* tag;
  const StringEntry* entries;
  int count;
};
extern const LanguageTable kLanguageTables[];
extern const int kLanguageTableCount;

}  // namespace vd::platform
