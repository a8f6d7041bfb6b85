#pragma once
#include <string>

namespace vd::platform {

// The separator the launcher writes into paths: "\" on Windows, "/" on POSIX.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Whether c separates path components here (Windows also accepts "/").
inline bool isPathSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

// Appends the separator to `directory` unless it is empty or already ends with one, then `name`.
inline std::string joinPath(const std::string& directory, const std::string& name) {
  if (directory.empty() || directory.back() == kPathSeparator) return directory + name;
  return directory + kPathSeparator + name;
}

}  // namespace vd::platform
