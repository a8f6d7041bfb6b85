#pragma once
// The status message facade: the only way the launcher's work reaches the user. It turns
// numbered kinds into localised texts, keeps the two-part status line and honours silent mode.
#include <cstdint>
#include <string>

namespace vd {

class ProgressUi;
// The object every window operation goes to; null leaves the facade without a window.
void setProgressUi(ProgressUi* ui);

// The first part of the status line; its text takes the window title as insert.
enum StatusKind : int {
  kStatusInitializing = 0,
  kStatusSearching = 1,
  kStatusJvmNotFound = 2,
  kStatusRunning = 3,
  kStatusPreparingJvm = 4,
};

// The second part of the status line; kinds 1 and 3 need a non-empty text.
enum SubStatusKind : int {
  kSubStatusNone = 0,
  kSubStatusSearchingFor = 1,
  kSubStatusScanningDisks = 2,
  kSubStatusVerifying = 3,
};

// Indices of the fixed message texts returned by messageText.
enum StatusMessage : int {
  kMsgLoadInputFile = 0,
  kMsgLoadInstructions = 1,
  kMsgLoadLaunchScript = 2,
  kMsgLoadJvmFile = 3,
  kMsgInvalidJvmFileId = 4,
  kMsgInvalidAction = 5,
  kMsgLogFileNameMissing = 6,
  kMsgExtractFailed = 7,
  kMsgLoadFileIndex = 8,
  kMsgNoJvmInstaller = 9,
  kMsgInvalidJvm = 10,
  kMsgInputFileNameMissing = 11,
  kMsgSelectJvm = 12,
  kMsgSelectedFileInvalid = 13,
  kMsgSearchAllFailed = 14,
  kMsgOpenInputFile = 15,
  kMsgErrorWritingFile = 16,
  kMsgTempDiskSpace = 17,
  kMsgCanceled = 18,
  kMsgTempDirMissing = 19,
};

void showStatus(int kind);
void showSubStatus(int kind, const std::string& text);
void stepProgress(int n);
void putProgress(int n);
void showWindow();
void setSilentMode(bool silent);
bool isSilentMode();
bool hideWindowAfter(int16_t seconds);
bool isWindowVisible();
void messageBox(const std::string& text);
// The text of a StatusMessage index, without inserts; an index outside the table throws.
std::string messageText(int index);
void showProductTitle();
std::string chooseJvmDestination();

// Around a nested step that shows its own sub-status: puts the sub-status shown at its
// creation back when it ends.
class SubStatusSaver {
 public:
  SubStatusSaver();
  ~SubStatusSaver();
  SubStatusSaver(const SubStatusSaver&) = delete;
  SubStatusSaver& operator=(const SubStatusSaver&) = delete;

 private:
  int kind_;
  std::string text_;
};

}  // namespace vd
