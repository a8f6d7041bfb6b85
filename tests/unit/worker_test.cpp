#include "launcher/worker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "launcher/command_line_arguments.h"
#include "launcher/process_state.h"
#include "platform/temp_files.h"
#include "recording_ui.h"
#include "scratch_directory.h"
#include "ui/status.h"

namespace vd {
namespace {

// Stopping the timers is recorded among the UI's calls, so that the order shows.
class RecordingWindow : public WorkerWindow {
 public:
  explicit RecordingWindow(testing::RecordingUi& ui) : ui_(ui) {}
  void stopTimers() override { ui_.calls.push_back("stopTimers"); }

 private:
  testing::RecordingUi& ui_;
};

class WorkerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetProcessState();
    setProgressUi(&ui);
    processState().lastLaunch.standardError = "Exception in thread main";
  }
  void TearDown() override { resetProcessState(); }

  int run(std::vector<std::string> args) {
    CommandLineArguments arguments(std::move(args));
    return runWorker(arguments, window);
  }
  bool showedLaunchError() const {
    return std::count(ui.calls.begin(), ui.calls.end(),
                      "showMessage(Exception in thread main)") > 0;
  }

  testing::RecordingUi ui;
  RecordingWindow window{ui};
};

TEST(LaunchErrorOutputTest, FailedRunsShowItExceptReportedFailuresOfWizardKinds) {
  struct Case {
    int result;
    int kind;
    bool shown;
  };
  const Case cases[] = {
      {0, 0, false},     {0, 1, false},     {1000, 0, false},  {1000, 2, false},
      {1000, 1, true},   {1000, -1, true},  {1000, 3, true},   {-1, 0, true},
      {42, 2, true},     {999, 0, true},    {-1000, 0, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.shown, showsLaunchErrorOutput(c.result, c.kind))
        << "result " << c.result << ", kind " << c.kind;
}

TEST_F(WorkerTest, ASuccessfulRunShowsNoLaunchError) {
  EXPECT_EQ(0, run({"launcher.exe", "-vd:version"}));
  EXPECT_EQ(0, processState().exitCode);
  EXPECT_FALSE(showedLaunchError());
  EXPECT_EQ("stopTimers", ui.calls.back());
}

// The timers stop before the last launch's error output is shown.
TEST_F(WorkerTest, AFailedRunShowsTheLaunchErrorAfterStoppingTheTimers) {
  EXPECT_EQ(-1, run({"launcher.exe", "-vd:log"}));
  EXPECT_EQ(-1, processState().exitCode);
  ASSERT_GE(ui.calls.size(), 2u);
  EXPECT_EQ("stopTimers", ui.calls[ui.calls.size() - 2]);
  EXPECT_TRUE(showedLaunchError());
}

TEST_F(WorkerTest, SilentFailureShowsNothing) {
  EXPECT_EQ(-1, run({"launcher.exe", "-vd:silent", "-vd:log"}));
  EXPECT_FALSE(showedLaunchError());
}

TEST_F(WorkerTest, AnEmptyArgumentListRunsNothing) {
  EXPECT_EQ(0, run({}));
  EXPECT_TRUE(ui.calls.empty());
}

TEST_F(WorkerTest, CleansUpAfterTheRun) {
  testing::ScratchDirectory scratch;
  setTempDirectory(scratch.path().string());
  std::string directory = createTempDirectory();
  ASSERT_TRUE(std::filesystem::is_directory(directory));
  run({"launcher.exe", "-vd:silent", "-vd:version"});
  EXPECT_FALSE(std::filesystem::exists(directory));
}

}  // namespace
}  // namespace vd
