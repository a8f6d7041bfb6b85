#include "launcher/input_file.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "archive/embedded_files.h"
#include "instructions/jvm_command_bodies.h"
#include "instructions/variable_store.h"
#include "jvm/jvm_file_writer.h"
#include "jvm/launcher_jvm_search.h"
#include "launch/run_command.h"
#include "launcher/exceptions.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/files.h"
#include "platform/path.h"
#include "platform/temp_files.h"
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

// Results go to standard output one value per line, for the program that wrote the input file.
void printNumber(long value) {
  std::printf("%ld\n", value);
  std::fflush(stdout);
}

void printText(const std::string& text) {
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

void runSearch(const InputFile& input) {
  try {
    doFindJvm(input.showProgress, input.showFailMessage);
  } catch (const LauncherException&) {
    return;  // doFindJvm has reported it
  } catch (...) {
    writeLog("Unexpected failure in search.", kLogError);
    return;
  }
  int32_t found = getNumericVariable(1);
  printNumber(found);
  if (found == 0) return;
  printText(getStringVariable(1));
  printText(getStringVariable(2));
  forgetTempFile(getStringVariable(2));
}

// Every match, each saved as a jvm file that outlives the run.
std::vector<std::pair<std::string, std::string>> findAllJvmFiles() {
  std::vector<JvmMatch> matches;
  launcherJvmSearch().findAllJvms(matches);
  std::vector<std::pair<std::string, std::string>> saved;
  for (const JvmMatch& match : matches) {
    std::string path = writeJvmFile(match);
    forgetTempFile(path);
    saved.emplace_back(match.home, path);
  }
  return saved;
}

void runSearchAll(const InputFile& input) {
  writeLog("Finding all matching JVMs");
  if (input.showProgress) {
    showStatus(kStatusSearching);
    showWindow();
  } else {
    hideWindowAfter(0);
  }
  std::vector<std::pair<std::string, std::string>> saved;
  try {
    saved = findAllJvmFiles();
  } catch (const LauncherException& e) {
    std::string text = messageText(kMsgSearchAllFailed) + e.message();
    writeLog(text, kLogError);
    if (input.showFailMessage) messageBox(text);
    printNumber(0);
    return;
  }
  printNumber(static_cast<long>(saved.size()));
  for (const auto& [home, path] : saved) {
    printText(home);
    printText(path);
  }
}

// Returns the action's result code.
int runVerifyJvm(InputFile& input) {
  std::string file = input.tags.get("VERIFY_JVM_FILE");
  std::string home = input.tags.get("VERIFY_JVM_HOME");
  if (file.empty() || home.empty()) {
    writeLog("TO execute the VERIFY_JVM action, you must also provide values in the input file "
             "for VERIFY_JVM_FILE and VERIFY_JVM_HOME.",
             kLogError);
    return -1;
  }
  TagFile jvmFile(file);
  verifyJvmFile(input.showProgress, input.showFailMessage, jvmFile, home);
  printNumber(getNumericVariable(1));
  putProgress(100);
  return 0;
}

// The installer named by the input file runs in its destination and must leave a jvm file
// there, which is completed with where the JVM now is.
void runInstallJvm(const InputFile& input) {
  std::string installer = input.tags.get("INSTALL_JVM_EXE");
  std::string destination = input.tags.get("INSTALL_JVM_DEST");
  if (!installer.empty() && !destination.empty()) {
    runCommand(installer, destination, input.showProgress, false, true, nullptr, nullptr, false);
    std::string path = platform::joinPath(destination, "jvm");
    TagFile jvmFile(path);
    jvmFile.setJvmLocation(destination, path, false);
    jvmFile.write(path);
    printText(path);
  }
  putProgress(100);
}

void runAction(const std::string& action, InputFile& input, InputFileOutcome& outcome) {
  if (action == "RUN_INSTRUCTIONS") {
    outcome.instructionsWanted = true;
    return;
  }
  outcome.instructionsWanted = false;
  if (action == "SEARCH") {
    runSearch(input);
    putProgress(100);
  } else if (action == "SEARCH_ALL") {
    runSearchAll(input);
    putProgress(100);
  } else if (action == "VERIFY_JVM") {
    outcome.result = runVerifyJvm(input);
  } else if (action == "INSTALL_JVM") {
    runInstallJvm(input);
  } else {
    std::string text = messageText(kMsgInvalidAction) + action;
    messageBox(text);
    throw LauncherException(text);
  }
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
  withContext(messageText(kMsgIndexFailed), [&] { archive.open(true); });
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
