#pragma once
#include <string>
#include <vector>

namespace vd::platform {

// Splits a command line the way the Microsoft C runtime (msvcr100 and later, the UCRT) builds
// argv, so that a command line means the same to a POSIX child as to a Windows one:
// - Arguments are separated by spaces and tabs outside quotes; leading blanks are skipped.
// - The program name (first word) knows no escapes: a double quote toggles quoting and is
//   dropped; backslashes are ordinary characters.
// - In later words, 2n backslashes before a double quote give n backslashes and the quote
//   toggles quoting; 2n+1 backslashes before a quote give n backslashes and a literal quote;
//   backslashes before any other character stay as they are.
// - Inside quotes, two double quotes give one literal quote and quoting goes on (the newer
//   runtimes' rule; msvcrt.dll of old ended the quoted part there).
// - `""` is an empty argument; an unclosed quote runs to the end.
std::vector<std::string> parseCrtCommandLine(const std::string& commandLine);

}  // namespace vd::platform
