#include "platform/posix/terminal_progress_ui.h"

#include <gtest/gtest.h>

#include <deque>

#include "launcher/command_line_arguments.h"
#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "ui/status.h"

namespace vd::platform {
namespace {

class FakeTerminal : public TerminalDevice {
 public:
  bool terminal = true;
  bool interactive = true;
  std::string output;
  std::deque<std::string> answers;

  bool isTerminal() override { return terminal; }
  bool canPrompt() override { return interactive; }
  int columns() override { return 60; }
  void write(const std::string& text) override { output += text; }
  std::optional<std::string> readLine() override {
    if (answers.empty()) return std::nullopt;
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// The worker body of a test: drives the facade as the launcher's work would.
using Script = void (*)(TerminalProgressUi& ui);
Script currentScript = nullptr;

int scriptedWorker(const CommandLineArguments&, WorkerWindow& window) {
  currentScript(static_cast<TerminalProgressUi&>(window));
  processState().exitCode = 42;
  return 42;
}

class TerminalProgressUiTest : public ::testing::Test {
 protected:
  void SetUp() override { resetProcessState(); }
  void TearDown() override {
    setProgressUi(nullptr);
    resetProcessState();
  }

  int runScript(Script script) {
    currentScript = script;
    TerminalProgressUi ui(arguments, scriptedWorker, terminal);
    setProgressUi(&ui);
    EXPECT_TRUE(ui.create(nullptr, 0));
    int code = ui.runMessageLoop();
    setProgressUi(nullptr);
    return code;
  }

  CommandLineArguments arguments{{"launcher"}};
  FakeTerminal terminal;
};

TEST_F(TerminalProgressUiTest, DrawsTheStatusLineInPlaceAndErasesItAtTheEnd) {
  int code = runScript([](TerminalProgressUi&) {
    setSilentMode(false);
    showProductTitle();
    showWindow();
    showStatus(kStatusInitializing);
    putProgress(50);
  });
  EXPECT_EQ(42, code);
  EXPECT_EQ(
      "\r[#                   ]\x1b[K"
      "\r[#                   ] Initializing Vandrel Wizard...\x1b[K"
      "\r[###########         ] Initializing Vandrel Wizard...\x1b[K"
      "\r\x1b[K",
      terminal.output);
}

TEST_F(TerminalProgressUiTest, MessagesGoAboveTheStatusLine) {
  runScript([](TerminalProgressUi&) {
    showWindow();
    showStatus(kStatusSearching);
    messageBox("Canceled by the user.");
  });
  // Cut to the terminal's 60 columns.
  std::string status = "\r[#                   ] Searching for Java(tm) Virtual Machi\x1b[K";
  EXPECT_EQ("\r[#                   ]\x1b[K" + status + "\r\x1b[KCanceled by the user.\n" +
                status + "\r\x1b[K",
            terminal.output);
}

TEST_F(TerminalProgressUiTest, WithoutATerminalOnlyMessageTextsAreWritten) {
  terminal.terminal = false;
  terminal.interactive = false;
  terminal.answers.push_back("/opt/jvm");
  runScript([](TerminalProgressUi& ui) {
    showProductTitle();
    showWindow();
    showStatus(kStatusSearching);
    stepProgress(5);
    messageBox("A suitable JVM could not be found.");
    EXPECT_EQ("", chooseJvmDestination());
    EXPECT_EQ("", ui.prompt("java executable"));
  });
  EXPECT_EQ("Vandrel Wizard: A suitable JVM could not be found.\n", terminal.output);
}

TEST_F(TerminalProgressUiTest, TheFolderChooserAsksOnTheTerminal) {
  terminal.answers.push_back("  /opt/jvm  ");
  runScript([](TerminalProgressUi&) { EXPECT_EQ("/opt/jvm", chooseJvmDestination()); });
  EXPECT_EQ("Choose the JVM Destination Directory: ", terminal.output);
}

TEST_F(TerminalProgressUiTest, AnEndedInputCountsAsCancelled) {
  runScript([](TerminalProgressUi&) { EXPECT_EQ("", chooseJvmDestination()); });
  EXPECT_EQ("Choose the JVM Destination Directory: \n", terminal.output);
}

TEST_F(TerminalProgressUiTest, HideAfterAnimatesTheBarAndHidesOnTime) {
  runScript([](TerminalProgressUi& ui) {
    showWindow();
    ui.hideAfter(1);
    EXPECT_TRUE(ui.isVisible());
    // Ten animation steps of 5 in one second; the hide timer then stops them.
    for (int i = 0; i < 40 && ui.isVisible(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(ui.isVisible());
    int stopped = ui.position();
    EXPECT_GE(stopped, 25);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(stopped, ui.position());
  });
}

TEST_F(TerminalProgressUiTest, StoppedTimersLeaveTheBarAlone) {
  runScript([](TerminalProgressUi& ui) {
    ui.hideAfter(-1);
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    ui.stopTimers();
    int stopped = ui.position();
    EXPECT_GT(stopped, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(stopped, ui.position());
  });
}

TEST_F(TerminalProgressUiTest, ProgressWrapsWithinTheBar) {
  runScript([](TerminalProgressUi& ui) {
    ui.setProgress(97);
    ui.advanceProgress(5);
    EXPECT_EQ(2, ui.position());
    ui.setProgress(250);
    EXPECT_EQ(50, ui.position());
  });
}

TEST_F(TerminalProgressUiTest, ProgressBeforeCreationIsAnError) {
  TerminalProgressUi ui(arguments, scriptedWorker, terminal);
  try {
    ui.setProgress(5);
    FAIL() << "no exception";
  } catch (const LauncherException& e) {
    EXPECT_EQ("The progress bar has not been created yet", e.message());
  }
}

TEST_F(TerminalProgressUiTest, AFailingWorkerEndsTheLoopWithMinusOne) {
  currentScript = [](TerminalProgressUi&) { throw 7; };
  TerminalProgressUi ui(arguments, scriptedWorker, terminal);
  ASSERT_TRUE(ui.create(nullptr, 0));
  EXPECT_EQ(-1, ui.runMessageLoop());
}

}  // namespace
}  // namespace vd::platform
