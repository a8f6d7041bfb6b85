#include "launcher/driver.h"

#include "archive/embedded_files.h"
#include "instructions/interpreter.h"
#include "launcher/exceptions.h"
#include "launcher/input_file.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/temp_files.h"
#include "ui/status.h"

namespace vd {
namespace {

constexpr const char* kVersion = "2.52";

// Message indices of the status facade used here.
enum {
  kMsgLogFileMissing = 6,
  kMsgExtractFailed = 7,
  kMsgIndexFailed = 8,
  kMsgInputFileMissing = 11,
};

struct DriverRun {
  const std::vector<std::string>& args;
  int result = 0;
  bool instructionsWanted = true;
};

void openArchive(bool load) {
  withContext(messageText(kMsgIndexFailed), [&] { processState().archive.open(load); });
}

void runExtractMode() {
  openArchive(false);
  withContext(messageText(kMsgExtractFailed), [] { extractAll(processState().archive); });
  putProgress(100);
}

int runInstructionProgram() {
  LauncherArchive& archive = processState().archive;
  if (!archive.program) return -1;
  try {
    return archive.program->runInstructions();
  } catch (const InstructionsException& e) {
    throw LauncherException("Error in instructions. " + e.message() + " Line number (" +
                            std::to_string(e.line()) + ")");
  }
}

// Handles the option at args[i]; returns how many arguments it consumed beyond itself.
size_t handleOption(DriverRun& run, size_t i) {
  LauncherSettings& settings = processState().settings;
  const std::string& arg = run.args[i];
  bool hasValue = i + 1 < run.args.size();
  const std::string value = hasValue ? run.args[i + 1] : std::string();

  if (arg == "-vd:log") {
    if (!hasValue) {
      run.result = -1;
      messageBox(messageText(kMsgLogFileMissing));
      return 0;
    }
    settings.logFile = value;
    return 1;
  }
  if (arg == "-vd:orig") {
    if (!hasValue) {
      run.result = -1;
      messageBox("Missing original launcher file name.");
      return 0;
    }
    settings.origLauncherFile = value;
    settings.origGiven = true;
    return 1;
  }
  if (arg == "-vd:tempdir") {
    if (!hasValue) return 0;
    setTempDirectory(value);
    return 1;
  }
  if (arg == "-vd:silent") {
    setSilentMode(true);
    return 0;
  }
  if (arg == "-silent") {
    setSilentMode(true);
    settings.applicationArgs.push_back("-silent");
    return 0;
  }
  if (arg == "-vd:javahome") {
    if (!hasValue) return 0;
    settings.javaHome = value;
    return 1;
  }
  if (arg == "-vd:extract") {
    runExtractMode();
    run.instructionsWanted = false;
    return 0;
  }
  if (arg == "-vd:in") {
    if (!hasValue) {
      messageBox(messageText(kMsgInputFileMissing));
      run.result = -1;
      run.instructionsWanted = false;
      return 0;
    }
    InputFileOutcome outcome = runInputFile(value);
    if (outcome.result != 0) run.result = outcome.result;
    run.instructionsWanted = outcome.instructionsWanted;
    return 1;
  }
  if (arg == "-vd:version") {
    messageBox(kVersion);
    run.instructionsWanted = false;
    return 0;
  }
  if (arg == "-vd:javaconsole") {
    settings.javaConsole = true;
    return 0;
  }
  if (arg == "-accessibility" || arg == "-console") {
    settings.javaConsole = true;
    settings.applicationArgs.push_back("-console");
    return 0;
  }
  if (arg == "-cp:p" || arg == "-cp:a") {
    if (!hasValue) return 0;
    (arg == "-cp:p" ? settings.classPathPrepend : settings.classPathAppend) = value;
    return 1;
  }
  settings.applicationArgs.push_back(arg);
  return 0;
}

int runOptionLoop(const std::vector<std::string>& args) {
  DriverRun run{args};
  processState().settings.origGiven = false;
  putProgress(0);
  for (size_t i = 0; i < args.size(); ++i) i += handleOption(run, i);
  if (!run.instructionsWanted) return run.result;
  openArchive(true);
  run.result = runInstructionProgram();
  putProgress(100);
  return run.result;
}

}  // namespace

int runDriver(const std::vector<std::string>& arguments, const std::string& launcherPath) {
  LauncherSettings& settings = processState().settings;
  settings.launcherFile = launcherPath;
  settings.origLauncherFile = launcherPath;
  settings.commandLineArgs.insert(settings.commandLineArgs.end(), arguments.begin(),
                                  arguments.end());
  try {
    return runOptionLoop(arguments);
  } catch (const LauncherException& e) {
    messageBox(e.message());
    writeLog(e.message(), kLogError);
    return -1;
  }
}

}  // namespace vd
