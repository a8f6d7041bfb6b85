#include "launch/run_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "launch/argument_quoting.h"
#include "launch/captured_stream.h"
#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "platform/sleep.h"
#include "random_arguments.h"
#include "recording_ui.h"
#include "scratch_directory.h"
#include "ui/status.h"

namespace vd {
namespace {

std::string shell(const std::string& script) { return "sh -c" + quoteArgument(script); }

class RunCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetProcessState();
    processState().settings.logFile = scratch.file("launcher.log");
  }
  void TearDown() override { resetProcessState(); }

  int captured(const std::string& commandLine, const std::string& directory = "") {
    return runCommand(commandLine, directory, false, true, true, &out, &err, false);
  }
  int plain(const std::string& commandLine, bool showConsole = false) {
    return runCommand(commandLine, "", showConsole, false, true, nullptr, nullptr, false);
  }
  std::string log() const { return testing::ScratchDirectory::read(scratch.file("launcher.log")); }

  testing::ScratchDirectory scratch;
  std::string out;
  std::string err;
};

TEST_F(RunCommandTest, ReturnsTheChildsExitCode) {
  struct Case {
    const char* script;
    int code;
  } cases[] = {
      {"exit 0", 0},
      {"exit 3", 3},
      {"exit 255", 255},
      {"kill -KILL $$", 128 + 9},  // a signal reads as a shell reports it
      {"kill -TERM $$", 128 + 15},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.code, captured(shell(c.script))) << c.script;
    EXPECT_EQ(c.code, plain(shell(c.script))) << c.script;
  }
}

TEST_F(RunCommandTest, AppendsBothStreamsToTheirSinks) {
  out = "before|";
  err = "before|";
  EXPECT_EQ(7, captured(shell("printf out1; printf err1 >&2; printf out2; exit 7")));
  EXPECT_EQ("before|out1out2", out);
  EXPECT_EQ("before|err1", err);
}

TEST_F(RunCommandTest, NulByteEndsTheChunkInTheSink) {
  captured(shell("printf 'ab\\000cd'"));
  EXPECT_EQ("ab", out);
}

TEST_F(RunCommandTest, KeepsBothEndsOfOutputBeyondTheBound) {
  const size_t kept = CapturedStream::kDefaultHeadLimit + CapturedStream::kDefaultTailLimit;
  const size_t written = kept + 300000;
  EXPECT_EQ(0, captured(shell("head -c " + std::to_string(written - 3) +
                              " /dev/zero | tr '\\000' o; printf END; printf err >&2")));
  std::string marker = droppedOutputMarker(written - kept);
  ASSERT_EQ(kept + marker.size(), out.size());
  EXPECT_EQ(std::string(CapturedStream::kDefaultHeadLimit, 'o') + marker,
            out.substr(0, CapturedStream::kDefaultHeadLimit + marker.size()));
  EXPECT_EQ("oooEND", out.substr(out.size() - 6));
  EXPECT_EQ("err", err);
  std::string text = log();
  EXPECT_NE(std::string::npos, text.find("WARNING: The standard output of the child process"))
      << text;
  EXPECT_EQ(std::string::npos, text.find("standard error")) << text;
}

TEST_F(RunCommandTest, ReadsOutputLeftInThePipeAfterTheChildEnded) {
  // Less than a pipe buffer: the child can write it all and exit before the first read.
  captured(shell("head -c 60000 /dev/zero | tr '\\000' x"));
  EXPECT_EQ(std::string(60000, 'x'), out);
}

TEST_F(RunCommandTest, DrainsStreamsThatHaveNoSink) {
  // A child that fills its pipes would never end if they went unread.
  EXPECT_EQ(4, runCommand(shell("head -c 1000000 /dev/zero; head -c 1000000 /dev/zero >&2; exit 4"),
                          "", false, true, true, nullptr, nullptr, false));
}

TEST_F(RunCommandTest, RunsInTheGivenWorkingDirectory) {
  captured("pwd", scratch.path().string());
  EXPECT_EQ(std::filesystem::canonical(scratch.path()).string() + "\n", out);
  out.clear();
  captured("pwd");
  EXPECT_EQ(std::filesystem::current_path().string() + "\n", out);
}

TEST_F(RunCommandTest, FindsAProgramByPathOrOnPath) {
  std::string script = scratch.file("script.sh");
  testing::ScratchDirectory::write(script, "#!/bin/sh\necho \"[$1]\" \"[$2]\"\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  captured(quoteArgument(script).substr(1) + quoteArgument("a b") + quoteArgument(""));
  EXPECT_EQ("[a b] []\n", out);
}

TEST_F(RunCommandTest, FailureToStartNamesTheCall) {
  struct Case {
    std::string commandLine;
    std::string directory;
  } cases[] = {
      {"/no/such/program", ""},
      {"vd-no-such-program-on-path", ""},
      {"\"\"", ""},
      {"", ""},
      {"true", scratch.file("missing-directory")},
      {scratch.path().string(), ""},  // a directory is no program
  };
  for (const Case& c : cases) {
    for (bool capture : {false, true}) {
      try {
        runCommand(c.commandLine, c.directory, false, capture, true, &out, &err, false);
        ADD_FAILURE() << "started: " << c.commandLine;
      } catch (const LauncherException& e) {
        const std::string prefix = "CreateProcess failed  ==>  ";
        EXPECT_EQ(prefix, e.message().substr(0, prefix.size())) << e.message();
        EXPECT_GT(e.message().size(), prefix.size()) << c.commandLine;
      }
    }
  }
}

TEST_F(RunCommandTest, WithoutWaitingReturnsWhileTheChildRuns) {
  std::string fifo = scratch.file("fifo");
  std::string done = scratch.file("done");
  ASSERT_EQ(0, plain("mkfifo" + quoteArgument(fifo)));
  // The child blocks until this test writes to the fifo; a runner that waited would hang here.
  EXPECT_EQ(0, runCommand(shell("read line < '" + fifo + "'; echo \"$line\" > '" + done + "'"), "",
                          false, false, false, nullptr, nullptr, false));
  std::ofstream(fifo) << "released\n";
  for (int i = 0; i < 200 && testing::ScratchDirectory::read(done) != "released\n"; ++i)
    platform::sleepMilliseconds(50);
  EXPECT_EQ("released\n", testing::ScratchDirectory::read(done));
}

TEST_F(RunCommandTest, AHiddenPlainRunHasNoTerminal) {
  ::testing::internal::CaptureStdout();
  plain("echo hidden");
  plain("echo shown", true);
  EXPECT_EQ("shown\n", ::testing::internal::GetCapturedStdout());
}

TEST_F(RunCommandTest, StepsTheProgressBarPerRead) {
  testing::RecordingUi ui;
  setProgressUi(&ui);
  captured(shell("printf abc"));
  setProgressUi(nullptr);
  ASSERT_FALSE(ui.calls.empty());
  for (const std::string& call : ui.calls) EXPECT_EQ("advanceProgress(1)", call);
}

// Prints each argument as the hex of its characters, one line per argument.
const char kArgsHexSource[] =
    "public class ArgsHex {\n"
    "  public static void main(String[] args) {\n"
    "    StringBuilder out = new StringBuilder();\n"
    "    for (String arg : args) {\n"
    "      for (char c : arg.toCharArray()) out.append(String.format(\"%02x\", (int) c));\n"
    "      out.append('\\n');\n"
    "    }\n"
    "    System.out.print(out);\n"
    "  }\n"
    "}\n";

std::string hexLine(const std::string& argument) {
  static const char kDigits[] = "0123456789abcdef";
  std::string line;
  for (unsigned char c : argument) {
    line += kDigits[c >> 4];
    line += kDigits[c & 15];
  }
  return line + "\n";
}

TEST_F(RunCommandTest, TheRealJavaGetsQuotedArgumentsBackUnchanged) {
  testing::ScratchDirectory::write(scratch.file("ArgsHex.java"), kArgsHexSource);
  try {
    if (captured("javac -d" + quoteArgument(scratch.path().string()) +
                 quoteArgument(scratch.file("ArgsHex.java"))) != 0)
      GTEST_SKIP() << "javac failed: " << err;
  } catch (const LauncherException& e) {
    GTEST_SKIP() << "no javac: " << e.message();
  }
  std::mt19937 random(4711);
  for (int round = 0; round < 4; ++round) {
    std::string commandLine = "java -cp" + quoteArgument(scratch.path().string()) + " ArgsHex";
    std::string expected;
    for (int i = 0; i < 60; ++i) {
      // ASCII only: any Java on any locale decodes it unchanged.
      std::string argument = testing::randomArgument(random, 16, 127);
      commandLine += quoteArgument(argument);
      expected += hexLine(argument);
    }
    out.clear();
    err.clear();
    ASSERT_EQ(0, captured(commandLine)) << err;
    ASSERT_EQ(expected, out) << commandLine;
  }
}

}  // namespace
}  // namespace vd
