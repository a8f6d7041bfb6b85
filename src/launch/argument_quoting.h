#pragma once
#include <string>

namespace vd {

// One argument as command-line text: a leading space, then the argument in double quotes,
// written so that the C runtime's splitter hands the child `argument` back byte for byte.
// Backslashes are doubled only where they precede a double quote or the closing quote, and
// each double quote gets a backslash: `say "hi"` becomes ` "say \"hi\""`, `C:\dir\` becomes
// ` "C:\dir\\"`. Append the result to a command line as it is.
std::string quoteArgument(const std::string& argument);

}  // namespace vd
