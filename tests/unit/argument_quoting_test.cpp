#include "launch/argument_quoting.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

struct QuotingCase {
  const char* argument;
  const char* expected;
};

TEST(ArgumentQuotingTest, QuotesAndEscapes) {
  const QuotingCase cases[] = {
      {"", " \"\""},
      {"plain", " \"plain\""},
      {"two words", " \"two words\""},
      {"say \"hi\"", " \"say \\\"hi\\\"\""},
      {"C:\\dir\\", " \"C:\\dir\\\\\""},
      {"C:\\dir\\file", " \"C:\\dir\\file\""},
      {"a\\\"b", " \"a\\\\\\\"b\""},
      {"a\\\\\"b", " \"a\\\\\\\\\\\"b\""},
      {"\\\\", " \"\\\\\\\\\""},
      {"\"", " \"\\\"\""},
      {"tab\there", " \"tab\there\""},
  };
  for (const QuotingCase& c : cases) EXPECT_EQ(c.expected, quoteArgument(c.argument)) << c.argument;
}

}  // namespace
}  // namespace vd
