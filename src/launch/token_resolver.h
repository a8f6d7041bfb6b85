#pragma once
#include <cstddef>
#include <string>

namespace vd {

// Resolves one token found by expandTokens. `text[start]` and `text[end]` are the two
// delimiters around the token's name; the resolver replaces the token in place (a function
// call also takes its argument list after the closing delimiter).
class TokenResolver {
 public:
  virtual ~TokenResolver() = default;
  virtual void resolveToken(std::string& text, char delimiter, size_t start, size_t end) const = 0;
};

}  // namespace vd
