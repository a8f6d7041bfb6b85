#pragma once
#include <string>
#include <vector>

namespace vd::platform {

// Splits the 8-bit command line the way the launcher does on the Windows 9x family, where the
// system's own splitter is missing:
// - Space, tab, line feed and carriage return separate arguments outside quotes.
// - An argument that starts with a double quote ends at the closing quote. Elsewhere a quote
//   opens a quoted part that is appended, and reading goes on after its closing quote.
// - After the program name a backslash escapes the next character, inside quotes too:
//   backslash-quote gives a quote, a backslash before anything else stays with it, and a
//   backslash at the very end is dropped. In the program name a backslash is ordinary.
// - Empty arguments are dropped; the first non-empty one is the program name.
std::vector<std::string> splitWindows9xCommandLine(const std::string& commandLine);

}  // namespace vd::platform
