#include "archive/runtime_package.h"

#include <array>

#include "archive/entry_name.h"

namespace vd {
namespace {

constexpr std::array<uint32_t, 256> makeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = makeCrcTable();

}  // namespace

std::string runtimePathProblem(const std::string& name) {
  if (name.empty()) return "is empty";
  if (name.front() == '/') return "is an absolute path";
  // Each component between the slashes is checked as the launcher checks its own entry names:
  // that refuses "..", "." and empty components, drive colons and backslashes.
  size_t start = 0;
  for (;;) {
    size_t slash = name.find('/', start);
    std::string component = name.substr(start, slash == std::string::npos ? slash : slash - start);
    if (component == "..") return "leaves the destination";
    if (!isPlainFileName(component)) return "is not a plain relative path";
    // Windows drops trailing dots and spaces from a name: ".. " would become "..".
    if (component.back() == '.' || component.back() == ' ')
      return "has a component ending in a dot or a space";
    if (slash == std::string::npos) return std::string();
    start = slash + 1;
  }
}

uint32_t updateCrc32(uint32_t crc, const void* bytes, size_t size) {
  const auto* p = static_cast<const unsigned char*>(bytes);
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = kCrcTable[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

}  // namespace vd
