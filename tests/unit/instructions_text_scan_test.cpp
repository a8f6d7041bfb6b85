#include "instructions/text_scan.h"

#include <gtest/gtest.h>

#include <optional>
#include <cstdint>
#include <string>
#include <vector>

namespace vd {
namespace {

TEST(InstructionsTextScan, NextTokenSplitsOnCWhiteSpaceOnly) {
  struct Case {
    std::string line;
    std::vector<std::string> words;
    size_t endPosition;
  };
  const std::vector<Case> cases = {
      {"INSTALL_JVM 1", {"INSTALL_JVM", "1"}, 13},
      {"  GOTO   END  ", {"GOTO", "END"}, 14},
      {"a\tb\vc\fd\re\nf", {"a", "b", "c", "d", "e", "f"}, 11},
      {"LAUNCH \"C:\\My Files\\jvm\" 5", {"LAUNCH", "\"C:\\My", "Files\\jvm\"", "5"}, 26},
      {"", {}, 0},
      {" \t ", {}, 3},
  };
  for (const Case& c : cases) {
    size_t position = 0;
    std::vector<std::string> words;
    std::string word;
    while (nextToken(c.line, position, word)) words.push_back(word);
    EXPECT_EQ(c.words, words) << c.line;
    EXPECT_EQ("", word) << c.line;
    EXPECT_EQ(c.endPosition, position) << c.line;
  }
}

TEST(InstructionsTextScan, NextTokenLeavesPositionPastTheDelimiter) {
  std::string word;
  size_t position = 0;
  ASSERT_TRUE(nextToken("LAUNCH  x", position, word));
  EXPECT_EQ(7u, position);  // one past the first space, before the second
}

TEST(InstructionsTextScan, ReadNumberFollowsTheDecimalRuleAndRejectsWhatDoesNotFit) {
  struct Case {
    std::string text;
    std::optional<int32_t> as32;
    std::optional<int16_t> as16;
  };
  const std::vector<Case> cases = {
      {"0", 0, 0},
      {"12abc", 12, 12},
      {" 7", 7, 7},
      {"\t\n-5", -5, -5},
      {"+3", 3, 3},
      {"007", 7, 7},
      {"abc", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"-", std::nullopt, std::nullopt},
      {"+-1", std::nullopt, std::nullopt},
      {"- 1", std::nullopt, std::nullopt},
      {"1 2", 1, 1},
      {"32767", 32767, 32767},
      {"32768", 32768, std::nullopt},
      {"-32768", -32768, -32768},
      {"-32769", -32769, std::nullopt},
      {"2147483647", 2147483647, std::nullopt},
      {"2147483648", std::nullopt, std::nullopt},
      {"-2147483648", INT32_MIN, std::nullopt},
      {"-2147483649", std::nullopt, std::nullopt},
      {"4294967296", std::nullopt, std::nullopt},
      {"99999999999999999999999999999999", std::nullopt, std::nullopt},
      {"00000000000000000000000000000042", 42, 42},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.as32, readNumber32(c.text)) << "[" << c.text << "]";
    EXPECT_EQ(c.as16, readNumber16(c.text)) << "[" << c.text << "]";
  }
}

TEST(InstructionsTextScan, TrimBlanksRemovesSpaceTabLfCrOnly) {
  EXPECT_EQ("a b", trimBlanks(" \t\r\na b\n\r\t "));
  EXPECT_EQ("\va\f", trimBlanks("\va\f"));
  EXPECT_EQ("", trimBlanks("  "));
}

}  // namespace
}  // namespace vd
