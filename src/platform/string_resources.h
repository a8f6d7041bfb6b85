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
extern const StringEntry kStringTable[];
extern const int kStringTableSize;

}  // namespace vd::platform
