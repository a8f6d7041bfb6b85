#include "ui/terminal_status_line.h"

#include <algorithm>

namespace vd {
namespace {

constexpr int kBarWidth = 20;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first `characters` characters of a UTF-8 text (bytes of other encodings count one each).
std::string firstCharacters(const std::string& text, int characters) {
  size_t end = 0;
  for (int taken = 0; end < text.size() && taken < characters; ++taken) {
    ++end;
    while (end < text.size() && isContinuationByte(text[end])) ++end;
  }
  return text.substr(0, end);
}

}  // namespace

std::string renderStatusLine(const std::string& status, int position, int columns) {
  int filled = std::clamp(position, 0, 99) * kBarWidth / 100 + 1;
  std::string line;
  line.append(1, '[').append(filled, '#').append(kBarWidth - filled, ' ').append(1, ']');
  // The last column stays free: a line that fills it makes some terminals wrap.
  int room = columns - static_cast<int>(line.size()) - 2;
  if (room > 0 && !status.empty()) line.append(1, ' ').append(firstCharacters(status, room));
  return line;
}

}  // namespace vd
