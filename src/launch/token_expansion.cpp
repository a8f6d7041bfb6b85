#include "launch/token_expansion.h"

#include "launch/launch_script_error.h"

namespace vd {
namespace {

[[noreturn]] void raiseRunaway(const std::string& original) {
  raiseLaunchScriptError(original, "The expansion does not end (more than " +
                                       std::to_string(kMaxTokenResolutions) + " tokens or " +
                                       std::to_string(kMaxExpandedLength) +
                                       " characters); a value may contain its own token.");
}

// A doubled delimiter stands for one, read left to right.
void collapseDoubled(std::string& s, char d) {
  const char pair[] = {d, d, '\0'};
  for (size_t p = s.find(pair); p != std::string::npos; p = s.find(pair, p + 1)) s.erase(p, 1);
}

}  // namespace

void checkExpandedLength(const std::string& original, size_t length) {
  if (length > kMaxExpandedLength) raiseRunaway(original);
}

std::string expandTokens(const std::string& text, char d, const TokenResolver& resolver) {
  std::string s = text;
  size_t resolutions = 0;
  for (size_t from = 0;;) {
    size_t start = s.find(d, from);
    // A token needs its delimiter, at least one character of name and the closing delimiter.
    if (start == std::string::npos || start + 2 >= s.size()) break;
    size_t end = s.find(d, start + 2);
    if (end == std::string::npos) break;
    if (++resolutions > kMaxTokenResolutions) raiseRunaway(text);
    resolver.resolveToken(s, d, start, end);
    checkExpandedLength(text, s.size());
    from = start;  // the inserted value is scanned again
  }
  collapseDoubled(s, d);
  return s;
}

}  // namespace vd
