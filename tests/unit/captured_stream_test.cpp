#include "launch/captured_stream.h"

#include <gtest/gtest.h>

#include "launcher/process_state.h"
#include "scratch_directory.h"

namespace vd {
namespace {

class CapturedStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetProcessState();
    processState().settings.logFile = scratch_.file("launcher.log");
  }
  void TearDown() override { resetProcessState(); }
  std::string log() const { return testing::ScratchDirectory::read(scratch_.file("launcher.log")); }

  testing::ScratchDirectory scratch_;
};

TEST_F(CapturedStreamTest, KeepsShortOutputWhole) {
  std::string sink = "earlier|";
  CapturedStream stream(&sink, "standard output", 8, 4);
  stream.append("abc");
  stream.append("defghijk");  // exactly head + tail
  stream.finish();
  EXPECT_EQ("earlier|abcdefghijk", sink);
  EXPECT_EQ(0u, stream.droppedBytes());
  EXPECT_EQ("", log());
}

TEST_F(CapturedStreamTest, KeepsBeginningAndEndAroundAMarker) {
  std::string sink;
  CapturedStream stream(&sink, "standard error", 4, 3);
  std::string written;
  for (int i = 0; i < 100; ++i) {
    std::string chunk = std::to_string(i) + ",";
    stream.append(chunk);
    written += chunk;
  }
  stream.finish();
  size_t dropped = written.size() - 7;
  EXPECT_EQ(dropped, stream.droppedBytes());
  EXPECT_EQ(written.substr(0, 4) + droppedOutputMarker(dropped) + written.substr(written.size() - 3),
            sink);
  std::string text = log();
  EXPECT_NE(std::string::npos, text.find("WARNING: The standard error of the child process"))
      << text;
  EXPECT_NE(std::string::npos, text.find(std::to_string(dropped) + " bytes")) << text;
}

TEST_F(CapturedStreamTest, WithoutSinkDropsSilently) {
  CapturedStream stream(nullptr, "standard output", 2, 2);
  stream.append("a long text that would not fit");
  stream.finish();
  EXPECT_EQ(0u, stream.droppedBytes());
  EXPECT_EQ("", log());
}

}  // namespace
}  // namespace vd
