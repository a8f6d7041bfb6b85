#include "ui/terminal_status_line.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(TerminalStatusLineTest, BarGrowsWithThePosition) {
  EXPECT_EQ("[#                   ] Running", renderStatusLine("Running", 0, 80));
  EXPECT_EQ("[###########         ] Running", renderStatusLine("Running", 50, 80));
  EXPECT_EQ("[####################] Running", renderStatusLine("Running", 99, 80));
  // Out-of-range positions are held to the bar.
  EXPECT_EQ("[####################]", renderStatusLine("", 250, 80));
  EXPECT_EQ("[#                   ]", renderStatusLine("", -3, 80));
}

TEST(TerminalStatusLineTest, CutsTheStatusToTheTerminalWidth) {
  std::string line = renderStatusLine("Searching for Java(tm) Virtual Machine...", 0, 40);
  EXPECT_EQ("[#                   ] Searching for Ja", line);
  EXPECT_EQ(39u, line.size());
  EXPECT_EQ("[#                   ]", renderStatusLine("Running", 0, 20));
}

TEST(TerminalStatusLineTest, NeverSplitsAUtf8Character) {
  // Four columns of room: three Japanese characters of three bytes each and one more.
  std::string line = renderStatusLine("初期化しています", 0, 28);
  EXPECT_EQ("[#                   ] 初期化し", line);
}

}  // namespace
}  // namespace vd
