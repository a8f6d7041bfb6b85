#include "platform/win9x_command_line.h"

#include <gtest/gtest.h>

namespace vd::platform {
namespace {

using Words = std::vector<std::string>;

struct SplitCase {
  const char* commandLine;
  Words expected;
};

TEST(Win9xCommandLineTest, SplitsByTheLaunchersOwnRules) {
  const SplitCase cases[] = {
      {"", {}},
      {" \t\r\n ", {}},
      {"setup.exe", {"setup.exe"}},
      {"\r\n setup.exe\ta\nb\rc ", {"setup.exe", "a", "b", "c"}},
      // A quoted program path, an option and a quoted log path with a space and backslashes.
      {"\"C:\\Program Files\\setup.exe\" -vd:log \"C:\\My Logs\\run.log\"",
       {"C:\\Program Files\\setup.exe", "-vd:log", "C:\\My Logs\\run.log"}},
      // Backslash and quote give a quote, also inside quotes; before a letter both stay.
      {"p a\\\"b", {"p", "a\"b"}},
      {"p \"a\\\"b c\"", {"p", "a\"b c"}},
      {"p a\\b", {"p", "a\\b"}},
      {"p a\\\\\"b c\"", {"p", "a\\\\b c"}},
      // The program name takes a backslash as it is, also before a quote.
      {"C:\\dir\\\"x y\" a", {"C:\\dir\\x y", "a"}},
      {"C:\\dir\\ a", {"C:\\dir\\", "a"}},
      // A backslash at the very end is dropped.
      {"p a\\", {"p", "a"}},
      {"p \"a\\", {"p", "a"}},
      // A quoted part inside an argument is appended; an argument that starts quoted ends
      // at its closing quote.
      {"p ab\"c d\"e", {"p", "abc de"}},
      {"p \"ab\"cd", {"p", "ab", "cd"}},
      {"p \"unclosed arg", {"p", "unclosed arg"}},
      // Empty arguments are dropped; the first non-empty one is the program name.
      {"p \"\" x \"\"", {"p", "x"}},
      {"\"\" C:\\a\\\"b c", {"C:\\a\\b c"}},
  };
  for (const SplitCase& c : cases)
    EXPECT_EQ(c.expected, splitWindows9xCommandLine(c.commandLine)) << c.commandLine;
}

}  // namespace
}  // namespace vd::platform
