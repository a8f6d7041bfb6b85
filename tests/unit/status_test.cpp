#include "ui/status.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "launcher/text.h"
#include "ui/headless_progress_ui.h"
#include "recording_ui.h"

namespace vd {
namespace {

class StatusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetProcessState();
    setProgressUi(&ui);
  }
  void TearDown() override { resetProcessState(); }

  testing::RecordingUi ui;
};

using Calls = std::vector<std::string>;

const std::string kSearching = "Searching for Java(tm) Virtual Machine...";
const std::string kScanning = "Scanning disk(s) for a Java(tm) Virtual Machine...";

TEST_F(StatusTest, SilentModeSuppressesEverythingButHidingAndVisibility) {
  setSilentMode(true);
  showStatus(kStatusSearching);
  showSubStatus(kSubStatusSearchingFor, "C:\\jdk");
  stepProgress(5);
  putProgress(50);
  messageBox("hello");
  EXPECT_EQ(chooseJvmDestination(), "");
  EXPECT_EQ(ui.calls, Calls{});

  showWindow();
  EXPECT_TRUE(hideWindowAfter(3));
  EXPECT_TRUE(isWindowVisible());
  showProductTitle();
  EXPECT_EQ(ui.calls, (Calls{"hideAfter(0)", "hideAfter(3)", "isVisible", "setTitle(Vandrel Wizard)"}));
  EXPECT_EQ(processState().status.statusResource, -1);
  EXPECT_EQ(processState().status.subStatusKind, 0);
}

TEST_F(StatusTest, EachOperationReachesItsSlot) {
  stepProgress(5);
  putProgress(100);
  showWindow();
  messageBox("text");
  EXPECT_EQ(chooseJvmDestination(), "C:\\Chosen");
  showProductTitle();
  EXPECT_EQ(ui.calls, (Calls{"advanceProgress(5)", "setProgress(100)", "show", "showMessage(text)",
                             "chooseFolder", "setTitle(Vandrel Wizard)"}));
}

TEST_F(StatusTest, StatusTextTakesTheTitle) {
  struct Case {
    int kind;
    std::string line;
  };
  const Case cases[] = {
      {kStatusInitializing, "Initializing Vandrel Wizard..."},
      {kStatusSearching, kSearching},
      {kStatusJvmNotFound,
       "Java(tm) Virtual Machine was not found. Vandrel Wizard could not be launched."},
      {kStatusRunning, "Running Vandrel Wizard..."},
      {kStatusPreparingJvm, "Preparing Java(tm) Virtual Machine..."},
      {7, ""},
      {-1, ""},
  };
  for (const Case& c : cases) {
    ui.calls.clear();
    showStatus(c.kind);
    EXPECT_EQ(ui.calls, Calls{"setStatus(" + c.line + ")"}) << "kind " << c.kind;
  }
}

TEST_F(StatusTest, SubStatusJoinsTheStatusWithOneSpace) {
  showStatus(kStatusSearching);
  showSubStatus(kSubStatusSearchingFor, "C:\\jdk");
  EXPECT_EQ(ui.calls.back(), "setStatusPair(" + kSearching + "|Searching for C:\\jdk)");
  showSubStatus(kSubStatusScanningDisks, "");
  EXPECT_EQ(ui.calls.back(), "setStatusPair(" + kSearching + "|" + kScanning + ")");
  showSubStatus(kSubStatusVerifying, "C:\\jre");
  EXPECT_EQ(ui.calls.back(), "setStatusPair(" + kSearching + "|Verifying C:\\jre)");

  // A new status keeps the sub-status that is shown.
  showStatus(kStatusPreparingJvm);
  EXPECT_EQ(ui.calls.back(),
            "setStatusPair(Preparing Java(tm) Virtual Machine...|Verifying C:\\jre)");
}

TEST_F(StatusTest, RemovingTheSubStatusDoesNotRedraw) {
  showStatus(kStatusSearching);
  showSubStatus(kSubStatusSearchingFor, "C:\\jdk");
  for (auto [kind, text] : std::vector<std::pair<int, std::string>>{
           {kSubStatusSearchingFor, ""}, {kSubStatusVerifying, ""}, {kSubStatusNone, "x"}, {9, "x"}}) {
    ui.calls.clear();
    showSubStatus(kind, text);
    EXPECT_EQ(ui.calls, Calls{}) << "kind " << kind;
    EXPECT_EQ(processState().status.subStatusKind, 0);
    EXPECT_EQ(processState().status.subStatusResource, -1);
  }
  // The text stays; the next status shows the status alone.
  EXPECT_EQ(processState().status.subStatusText, "C:\\jdk");
  showStatus(kStatusSearching);
  EXPECT_EQ(ui.calls.back(), "setStatus(" + kSearching + ")");
}

TEST_F(StatusTest, UnknownStatusEmptiesTheLineButKeepsTheSubStatus) {
  showStatus(kStatusSearching);
  showSubStatus(kSubStatusScanningDisks, "");
  showStatus(7);
  EXPECT_EQ(ui.calls.back(), "setStatus()");
  EXPECT_EQ(processState().status.subStatusKind, kSubStatusScanningDisks);
  // Without a status the pair starts with an empty first part.
  showSubStatus(kSubStatusScanningDisks, "");
  EXPECT_EQ(ui.calls.back(), "setStatusPair(|" + kScanning + ")");
}

TEST_F(StatusTest, SaverPutsTheOuterSubStatusBack) {
  showStatus(kStatusSearching);
  showSubStatus(kSubStatusSearchingFor, "C:\\jdk");
  {
    SubStatusSaver saver;
    showSubStatus(kSubStatusVerifying, "C:\\jdk\\bin\\java.exe");
    EXPECT_EQ(ui.calls.back(), "setStatusPair(" + kSearching + "|Verifying C:\\jdk\\bin\\java.exe)");
  }
  EXPECT_EQ(ui.calls.back(), "setStatusPair(" + kSearching + "|Searching for C:\\jdk)");
  EXPECT_EQ(processState().status.subStatusKind, kSubStatusSearchingFor);
}

TEST_F(StatusTest, SaverWithoutSubStatusLeavesTheLine) {
  showStatus(kStatusSearching);
  {
    SubStatusSaver saver;
    showSubStatus(kSubStatusVerifying, "C:\\jre");
  }
  EXPECT_EQ(ui.calls.back(), "setStatusPair(" + kSearching + "|Verifying C:\\jre)");
  EXPECT_EQ(processState().status.subStatusKind, 0);
}

TEST_F(StatusTest, MessageTextsByIndex) {
  EXPECT_EQ(messageText(kMsgSelectJvm), resourceText(23));
  EXPECT_EQ(messageText(kMsgSelectedFileInvalid), resourceText(37));
  EXPECT_EQ(messageText(kMsgLoadInputFile), "Could not load the input file.");
  EXPECT_EQ(messageText(kMsgLoadFileIndex), "Unable to load the launcher file index. ");
  EXPECT_EQ(messageText(kMsgTempDiskSpace).substr(0, 11), " There may ");
  // The temp directory text keeps its insert for the caller to fill.
  EXPECT_NE(messageText(kMsgTempDirMissing).find("%1!s!"), std::string::npos);
  for (int index : {-1, 20, 1000}) EXPECT_THROW(messageText(index), LauncherException) << index;
}

TEST_F(StatusTest, WithoutAWindowNothingIsShown) {
  setProgressUi(nullptr);
  showStatus(kStatusSearching);
  showSubStatus(kSubStatusSearchingFor, "d");
  stepProgress(1);
  putProgress(1);
  showWindow();
  messageBox("lost");
  showProductTitle();
  EXPECT_FALSE(hideWindowAfter(0));
  EXPECT_FALSE(isWindowVisible());
  EXPECT_EQ(chooseJvmDestination(), "");
  EXPECT_EQ(ui.calls, Calls{});
}

TEST(HeadlessProgressUiTest, BarWrapsAtOneHundred) {
  struct Case {
    int start;
    int step;
    bool advance;
    int expected;
  };
  const Case cases[] = {{97, 5, true, 2},  {0, 250, false, 50}, {10, 100, false, 0},
                        {99, 1, true, 0},  {0, -5, false, 95},  {3, -5, true, 98},
                        {50, 250, true, 0}};
  for (const Case& c : cases) {
    HeadlessProgressUi ui;
    ui.setProgress(c.start);
    if (c.advance)
      ui.advanceProgress(c.step);
    else
      ui.setProgress(c.step);
    EXPECT_EQ(ui.position(), c.expected) << c.start << (c.advance ? " + " : " set ") << c.step;
  }
}

TEST(HeadlessProgressUiTest, KeepsLineTitleAndVisibility) {
  HeadlessProgressUi ui;
  EXPECT_FALSE(ui.isVisible());
  ui.show();
  EXPECT_TRUE(ui.hideAfter(3));
  EXPECT_TRUE(ui.isVisible());
  ui.hideAfter(0);
  EXPECT_FALSE(ui.isVisible());
  ui.setStatusPair("a", "b");
  EXPECT_EQ(ui.statusLine(), "a b");
  ui.setTitle(std::string(600, 't'));
  EXPECT_EQ(ui.getTitle().size(), 511u);
  EXPECT_EQ(ui.chooseFolder(), "");
}

}  // namespace
}  // namespace vd
