#pragma once
// Random command-line arguments, drawn mostly from the characters that quoting must get right.
#include <random>
#include <string>

namespace vd::testing {

// Up to `maxLength` characters; one in three is any byte from 1 to `highestByte`.
inline std::string randomArgument(std::mt19937& random, int maxLength, int highestByte) {
  static const std::string kTricky = "\\\"  \tab\\\\\"\"\n'%^&|<>*?@-";
  std::uniform_int_distribution<int> length(0, maxLength);
  std::uniform_int_distribution<int> pick(0, 2);
  std::uniform_int_distribution<size_t> tricky(0, kTricky.size() - 1);
  std::uniform_int_distribution<int> any(1, highestByte);
  std::string argument;
  for (int n = length(random); n > 0; --n)
    argument += pick(random) == 0 ? static_cast<char>(any(random)) : kTricky[tricky(random)];
  return argument;
}

}  // namespace vd::testing
