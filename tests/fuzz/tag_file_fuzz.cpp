// The tag file parser on arbitrary text, the quoted-argument reader on it, and the writer's
// round trip: whatever was parsed reads back to the same map.
#include <cstdint>
#include <string>

#include "archive/tag_file.h"
#include "archive/tag_text.h"
#include "fuzz_stream.h"
#include "launcher/exceptions.h"

namespace {

vd::TagFile parseBytes(const uint8_t* data, size_t size) {
  vd::TagFile tags;
  vd::fuzz::InputStream stream(data, size);
  if (stream.get()) tags.parse(stream.get(), "fuzz", 0, -1);
  return tags;
}

void readArguments(const std::string& text) {
  for (int start = 0; start <= static_cast<int>(text.size()) && start < 8; ++start) {
    for (bool quoted : {false, true}) {
      int position = start;
      try {
        vd::readQuotedArgument(text, position, quoted);
      } catch (const vd::LauncherException&) {
        continue;
      }
      if (position != -1 && (position < start || position >= static_cast<int>(text.size())))
        __builtin_trap();
    }
  }
}

// Written text must parse without an error.
void checkRoundTrip(const vd::TagFile& tags) {
  std::string text = vd::formatTagText(tags.entries());
  try {
    vd::TagFile again = parseBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (again.entries() != tags.entries()) __builtin_trap();
  } catch (const vd::LauncherException&) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  readArguments(std::string(reinterpret_cast<const char*>(data), size));
  vd::TagFile tags;
  try {
    tags = parseBytes(data, size);
  } catch (const vd::LauncherException&) {
    return 0;
  }
  for (const auto& [name, values] : tags.entries())
    if (tags.count(name) != static_cast<int>(values.size()) || values.empty()) __builtin_trap();
  checkRoundTrip(tags);
  return 0;
}
