#include "platform/crt_command_line.h"

#include <gtest/gtest.h>

#include "launch/argument_quoting.h"
#include "random_arguments.h"

namespace vd::platform {
namespace {

using Words = std::vector<std::string>;

struct SplitCase {
  const char* commandLine;
  Words expected;
};

TEST(CrtCommandLineTest, SplitsLikeTheCRuntime) {
  const SplitCase cases[] = {
      {"", {}},
      {"  \t ", {}},
      {"prog", {"prog"}},
      {"  prog  a\tb  ", {"prog", "a", "b"}},
      {"\"C:\\Program Files\\x.exe\" a", {"C:\\Program Files\\x.exe", "a"}},
      // The program name takes backslashes literally, also before a quote.
      {"C:\\dir\\\"x y\" a", {"C:\\dir\\x y", "a"}},
      {"p \"a b\" c", {"p", "a b", "c"}},
      {"p a\"b c\"d e", {"p", "ab cd", "e"}},
      {"p \"\" x", {"p", "", "x"}},
      {"p a\\b c\\\\d", {"p", "a\\b", "c\\\\d"}},
      {"p a\\\\\"b c\"", {"p", "a\\b c"}},          // 2n backslashes: n, quote toggles
      {"p a\\\\\\\"b", {"p", "a\\\"b"}},            // 2n+1: n and a literal quote
      {"p \\\"", {"p", "\""}},
      {"p \"a\"\"b\" c", {"p", "a\"b", "c"}},       // doubled quote inside quotes
      {"p \"a\"\" b\"", {"p", "a\" b"}},            // quoting goes on after it
      {"p \"a\"\"\" b", {"p", "a\"", "b"}},
      {"p a\"\"b", {"p", "ab"}},                    // outside quotes: an empty quoted part
      {"p \"unclosed arg", {"p", "unclosed arg"}},
      {"p trailing\\", {"p", "trailing\\"}},
      {"p \"trailing\\\\\"", {"p", "trailing\\"}},
      {"p a\nb", {"p", "a\nb"}},                    // only space and tab separate
  };
  for (const SplitCase& c : cases)
    EXPECT_EQ(c.expected, parseCrtCommandLine(c.commandLine)) << c.commandLine;
}

TEST(CrtCommandLineTest, ReadsQuotedArgumentsBackUnchanged) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 2000; ++round) {
    Words arguments = {"prog"};
    std::string commandLine = "prog";
    for (int i = round % 5; i >= 0; --i) {
      arguments.push_back(testing::randomArgument(random, 24, 255));
      commandLine += vd::quoteArgument(arguments.back());
    }
    ASSERT_EQ(arguments, parseCrtCommandLine(commandLine)) << commandLine;
  }
}

}  // namespace
}  // namespace vd::platform
