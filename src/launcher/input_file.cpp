#include "launcher/input_file.h"

#include <cstdio>

#include "archive/embedded_files.h"
#include "launcher/exceptions.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/files.h"
#include "ui/status.h"

namespace vd {
namespace {

enum {
  kMsgInputNotLoaded = 0,
  kMsgInvalidAction = 5,
  kMsgIndexFailed = 8,
  kMsgCannotOpenInput = 15,
};

struct InputFile {
  TagFile tags;
  bool showProgress = false;
  bool showFailMessage = false;
};

std::string stripQuotes(std::string value) {
  if (!value.empty() && value.front() == '"') value.erase(0, 1);
  if (!value.empty() && value.back() == '"') value.pop_back();
  return value;
}

void parseInputFile(const std::string& value, TagFile& tags) {
  if (value.empty()) throw LauncherException(messageText(kMsgCannotOpenInput));
  std::string path = stripQuotes(value);
  platform::UniqueFile file = platform::openFile(path, "r");
  if (!file) throw LauncherException(messageText(kMsgCannotOpenInput));
  writeLog("Loading input file " + value);
  tags.parse(file.get(), path, 0, -1);
  processState().settings.logFile = tags.get("LOGFILE");
}

[[noreturn]] void notAvailableYet(const std::string& action) {
  throw LauncherException("The input-file action " + action +
                          " is not available in this build of the launcher yet.");
}

void runAction(const std::string& action, InputFile& /*input*/, InputFileOutcome& outcome) {
  if (action == "RUN_INSTRUCTIONS") {
    outcome.instructionsWanted = true;
    return;
  }
  outcome.instructionsWanted = false;
  if (action == "SEARCH" || action == "SEARCH_ALL" || action == "VERIFY_JVM" ||
      action == "INSTALL_JVM")
    notAvailableYet(action);
  std::string text = messageText(kMsgInvalidAction) + action;
  messageBox(text);
  throw LauncherException(text);
}

}  // namespace

InputFileOutcome runInputFile(const std::string& value) {
  InputFile input;
  try {
    parseInputFile(value, input.tags);
  } catch (const LauncherException& e) {
    messageBox(messageText(kMsgInputNotLoaded) + e.message());
    throw;
  }
  LauncherArchive& archive = processState().archive;
  try {
    loadNamedFiles(archive, input.tags);
  } catch (const LauncherException& e) {
    messageBox(e.message());
    throw;
  }
  try {
    archive.open(true);
  } catch (const LauncherException& e) {
    throw LauncherException(messageText(kMsgIndexFailed) + e.message());
  }
  input.showProgress = input.tags.getBoolean("SHOW_PROGRESS", false);
  input.showFailMessage = input.tags.getBoolean("SHOW_FAIL_MSG", false);
  if (input.showProgress || input.showFailMessage) {
    showWindow();
    if (input.showProgress) putProgress(0);
  } else {
    hideWindowAfter(0);
  }
  InputFileOutcome outcome;
  runAction(input.tags.get("ACTION"), input, outcome);
  return outcome;
}

}  // namespace vd
