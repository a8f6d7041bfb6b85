#include "instructions/text_scan.h"

#include <limits>

namespace vd {

bool isCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string trimBlanks(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool nextToken(const std::string& line, size_t& position, std::string& word) {
  word.clear();
  while (position < line.size() && isCSpace(line[position])) ++position;
  while (position < line.size() && !isCSpace(line[position])) word += line[position++];
  if (position < line.size()) ++position;  // past the delimiter
  return !word.empty();
}

namespace {

// Reads the number within [minimum, maximum]; digits beyond the range stop accumulating
// early so that a long run of digits cannot overflow the accumulator.
std::optional<int64_t> readBoundedNumber(const std::string& text, int64_t minimum,
                                         int64_t maximum) {
  size_t i = 0;
  while (i < text.size() && isCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  size_t firstDigit = i;
  int64_t magnitude = 0;
  bool tooLarge = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (tooLarge) continue;
    magnitude = magnitude * 10 + (text[i] - '0');
    tooLarge = magnitude > maximum + 1;  // -(maximum + 1) may still be the minimum
  }
  if (i == firstDigit || tooLarge) return std::nullopt;
  int64_t value = negative ? -magnitude : magnitude;
  if (value < minimum || value > maximum) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int32_t> readNumber32(const std::string& text) {
  auto value = readBoundedNumber(text, std::numeric_limits<int32_t>::min(),
                                 std::numeric_limits<int32_t>::max());
  if (!value) return std::nullopt;
  return static_cast<int32_t>(*value);
}

std::optional<int16_t> readNumber16(const std::string& text) {
  auto value = readBoundedNumber(text, std::numeric_limits<int16_t>::min(),
                                 std::numeric_limits<int16_t>::max());
  if (!value) return std::nullopt;
  return static_cast<int16_t>(*value);
}

}  // namespace vd
