#pragma once
// The functions of the launch script language, `%NAME%("arg", ...)`.
#include <cstddef>
#include <string>
#include <vector>

namespace vd {

class LaunchScript;

// Function calls nested through ARCHIVE deeper than this are a launch script error.
inline constexpr int kMaxFunctionDepth = 16;
[[noreturn]] void raiseFunctionsTooDeep(const std::string& text);

// Resolves the call whose name lies between `text[start]` and `text[end]`: reads its argument
// list, checks the count and replaces the whole call by its value.
void callLaunchFunction(const LaunchScript& script, std::string& text, size_t start, size_t end);

// REPLACE's value: every occurrence of `search` in `subject`, left to right, replaced. An empty
// search text replaces nothing. A result longer than the expansion bound is a launch script
// error naming `text`.
std::string replaceAll(const std::string& text, const std::string& subject,
                       const std::string& search, const std::string& replacement);

}  // namespace vd
