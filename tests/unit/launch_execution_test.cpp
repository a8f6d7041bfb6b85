#include <gtest/gtest.h>

#include <filesystem>

#include "launch/launch_script.h"
#include "launch_fixture.h"

namespace vd {
namespace {

using testing::jvmOf;
using testing::tagsOf;

class LaunchExecutionTest : public testing::LaunchTest {
 protected:
  LaunchExecutionTest() {
    std::filesystem::create_directories(scratch.file("bin"));
    setLauncherKind(1);
    setEnv("JAVA_HOME", std::nullopt);
    setEnv("PATH_EXTRA", std::nullopt);
    setEnv("FLAG", std::nullopt);
  }
  // A launcher file whose trailer carries `kind`, in its own directory.
  void setLauncherKind(int kind) {
    settings().launcherFile = scratch.file("bin/setup");
    const char trailer[] = {static_cast<char>(kind), 0, 0, 0, 0, '\xCA', '\x82', '\xCA', '\x82'};
    testing::ScratchDirectory::write(settings().launcherFile, std::string(trailer, sizeof trailer));
  }
  int run(TagFile script, const std::vector<std::string>& arguments = {}, bool console = false) {
    script_ = std::make_unique<LaunchScript>(script);
    return script_->execute(jvm, arguments, console);
  }

  JvmDescriptor jvm = jvmOf({{"JVM_HOME", "/opt/jre"},
                             {"SET_ENV_FOR_WIZARD", "  PATH_EXTRA = C:\\x  "},
                             {"SET_ENV_FOR_WIZARD", "FLAG"},
                             {"SET_ENV_FOR_WIZARD", "  "},
                             {"SET_ENV_FOR_WIZARD", "=nameless"}});
  std::unique_ptr<LaunchScript> script_;
};

TEST_F(LaunchExecutionTest, RunsInTheLauncherDirectoryAndLogsTheOutput) {
  TagFile script = tagsOf({{"COMMAND", R"(/bin/sh -c "pwd; echo oops >&2; exit 3")"}});
  EXPECT_EQ(3, run(script));
  std::string directory = scratch.file("bin");
  EXPECT_EQ(directory + "\n", script_->stdOut());
  EXPECT_EQ("oops\n", script_->stdErr());
  EXPECT_NE(std::string::npos,
            log().find("Executing launch script command: " + std::string(R"(/bin/sh -c "pwd; echo oops >&2; exit 3")") +
                       " in working directory " + directory + "\n"));
  EXPECT_NE(std::string::npos, log().find("Output from the launch script execution\nStdOut:\n" +
                                          directory + "\n\nErrOut:\noops\n\n"));
}

TEST_F(LaunchExecutionTest, CurrentDirectoryWhenNotAutomatic) {
  TagFile script = tagsOf({{"COMMAND", R"(/bin/sh -c pwd)"}, {"AUTO_SET_WORKING_DIR", "0"}});
  run(script);
  EXPECT_EQ(std::filesystem::current_path().string() + "\n", script_->stdOut());
  EXPECT_NE(std::string::npos, log().find("/bin/sh -c pwd in current working directory\n"));
}

TEST_F(LaunchExecutionTest, ApplicationArgumentsArriveByteForByte) {
  TagFile script = tagsOf({{"COMMAND", R"(/bin/sh -c "printf '[%%s]' \"$@\"" sh)"}});
  run(script, {R"(say "hi")", R"(C:\My Dir\)", R"(a\\b)", "", R"(\"q\")", "x y"});
  EXPECT_EQ(R"([say "hi"][C:\My Dir\][a\\b][][\"q\"][x y])", script_->stdOut());
  EXPECT_NE(std::string::npos, log().find(R"(sh "say \"hi\"" "C:\My Dir\\" "a\\b" "")"));
}

TEST_F(LaunchExecutionTest, SetsJavaHomeForTheChildOnly) {
  TagFile script = tagsOf({{"COMMAND", R"(/bin/sh -c "echo \"$JAVA_HOME\"")"}});
  run(script);
  EXPECT_EQ("/opt/jre\n", script_->stdOut());
  // A variable that was unset before is left set, empty.
  EXPECT_EQ("", platform::getEnvironmentVariable("JAVA_HOME"));
  setEnv("JAVA_HOME", "/before");
  run(script);
  EXPECT_EQ("/before", platform::getEnvironmentVariable("JAVA_HOME"));
}

TEST_F(LaunchExecutionTest, WizardEnvironmentOnlyForWizardKinds) {
  TagFile script = tagsOf({{"COMMAND", R"(/bin/sh -c "echo \"${PATH_EXTRA-unset}|${FLAG-unset}\"")"}});
  run(script);
  EXPECT_EQ("unset|unset\n", script_->stdOut());
  for (int kind : {0, 2}) {
    setEnv("PATH_EXTRA", std::nullopt);
    setEnv("FLAG", std::nullopt);
    resetProcessState();
    settings().logFile = scratch.file("launcher.log");
    setLauncherKind(kind);
    run(script);
    EXPECT_EQ("C:\\x|\n", script_->stdOut()) << kind;
  }
}

TEST_F(LaunchExecutionTest, ConsoleRunCapturesNothing) {
  TagFile script = tagsOf({{"COMMAND", R"(/bin/sh -c "exit 4")"}});
  EXPECT_EQ(4, run(script, {}, true));
  script.set("DISPLAY_CONSOLE", "1");
  EXPECT_EQ(4, run(script));
  EXPECT_EQ(std::string::npos, log().find("Output from the launch script execution"));
}

TEST_F(LaunchExecutionTest, OutputAccumulatesOverRuns) {
  LaunchScript script(R"(/bin/sh -c "echo run")", true, false);
  script.execute(jvm, {}, false);
  script.execute(jvm, {}, false);
  EXPECT_EQ("run\nrun\n", script.stdOut());
}

TEST_F(LaunchExecutionTest, FailedStartLeavesJavaHomeSet) {
  TagFile script = tagsOf({{"COMMAND", scratch.file("missing-program")}});
  EXPECT_TRUE(testing::errorOf([&] { run(script); }));
  EXPECT_EQ("/opt/jre", platform::getEnvironmentVariable("JAVA_HOME"));
}

}  // namespace
}  // namespace vd
