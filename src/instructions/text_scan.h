#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vd {

// The C library's white-space set: space, tab, LF, VT, FF, CR.
bool isCSpace(char c);
// Space, tab, LF and CR: the set instruction lines and SET sides are trimmed of.
bool isBlank(char c);
std::string trimBlanks(const std::string& text);

// Skips white space, then reads one word up to the next white space. `position` is left one
// past the delimiting character, or at the end. Double quotes are ordinary characters here.
// Returns false (and an empty word) when only white space remains.
bool nextToken(const std::string& line, size_t& position, std::string& word);

// Reads a decimal number: optional leading white space, an optional sign, then digits;
// whatever follows the digits is ignored. Text without digits there is not a number, and
// neither is a value that does not fit the width: it is rejected rather than wrapped.
std::optional<int32_t> readNumber32(const std::string& text);
std::optional<int16_t> readNumber16(const std::string& text);

}  // namespace vd
