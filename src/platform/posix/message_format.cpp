#include "platform/message_format.h"

#include <cerrno>
#include <cstdio>

namespace vd::platform {
namespace {

// Applies an insert's printf-style spec ("s", "-10s", ".3s"); only string inserts exist here.
bool appendInsert(std::string& out, const std::string& spec, const std::string& value) {
  if (spec.empty() || spec.back() != 's') return false;
  for (size_t i = 0; i + 1 < spec.size(); ++i)
    if (std::string("-+ #0123456789.").find(spec[i]) == std::string::npos) return false;
  std::string format = "%" + spec;
  int length = std::snprintf(nullptr, 0, format.c_str(), value.c_str());
  if (length < 0) return false;
  std::string piece(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(piece.data(), piece.size(), format.c_str(), value.c_str());
  piece.resize(static_cast<size_t>(length));
  out += piece;
  return true;
}

}  // namespace

// The same insert syntax as the Windows message formatter: %1..%99 with an optional !spec!,
// %% for a percent sign, %n for a line break, %0 to end the text, %<other> for <other>.
std::optional<std::string> formatMessage(const std::string& pattern,
                                         const std::vector<std::string>& inserts) {
  std::string out;
  size_t i = 0;
  while (i < pattern.size()) {
    char c = pattern[i++];
    if (c != '%') {
      out += c;
      continue;
    }
    if (i >= pattern.size()) break;
    char next = pattern[i];
    if (next == '0') return out;
    if (next == 'n') {
      out += '\n';
      ++i;
      continue;
    }
    if (next < '1' || next > '9') {
      out += next;
      ++i;
      continue;
    }
    int number = next - '0';
    ++i;
    if (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9') number = number * 10 + (pattern[i++] - '0');
    std::string spec = "s";
    if (i < pattern.size() && pattern[i] == '!') {
      size_t end = pattern.find('!', i + 1);
      if (end == std::string::npos) {
        errno = EINVAL;
        return std::nullopt;
      }
      spec = pattern.substr(i + 1, end - i - 1);
      i = end + 1;
    }
    if (number > static_cast<int>(inserts.size()) ||
        !appendInsert(out, spec, inserts[static_cast<size_t>(number - 1)])) {
      errno = EINVAL;
      return std::nullopt;
    }
  }
  return out;
}

}  // namespace vd::platform
