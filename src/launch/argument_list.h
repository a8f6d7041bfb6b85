#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace vd {

struct ArgumentList {
  std::vector<std::string> arguments;
  size_t end = 0;  // just after the closing parenthesis (or the text's end)
};

// Reads `( "arg", ... )` starting at `position` (just after a function name's closing
// delimiter). Every argument is double-quoted, a doubled quote standing for one. Syntax errors
// are launch script errors naming the character where the failing step began.
ArgumentList readArgumentList(const std::string& text, size_t position);

}  // namespace vd
