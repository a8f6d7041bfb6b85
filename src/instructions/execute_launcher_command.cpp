// EXECUTE_LAUNCHER: an embedded launcher, started in a directory of its own that outlives this
// run; the started launcher removes its own file when it ends (-vd:orig).
#include "archive/embedded_files.h"
#include "instructions/jvm_command_bodies.h"
#include "launch/argument_quoting.h"
#include "launch/run_command.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/executable_mode.h"
#include "platform/temp_files.h"

namespace vd {
namespace {

// Every argument quoted so that the started launcher's C runtime hands each one back as it
// was: the path of this launcher and this launcher's own arguments.
std::string embeddedLauncherCommandLine(const std::string& program) {
  const LauncherSettings& settings = processState().settings;
  std::string commandLine = quoteArgument(program).substr(1) + " -vd:orig" +
                            quoteArgument(settings.launcherFile);
  for (const std::string& argument : settings.commandLineArgs)
    commandLine += quoteArgument(argument);
  return commandLine;
}

}  // namespace

void doExecuteLauncher(int32_t position) {
  const FileIndexEntry* entry = processState().archive.entryAt(position);
  if (!entry || entry->type != EmbeddedLauncher) {
    writeLog("Unable to execute the embedded launcher.", kLogError);
    return;
  }
  std::string directory = createTempDirectory();
  forgetTempDirectory(directory);
  std::string program = extractEntry(*entry, directory);
  platform::makeExecutable(program);
  runCommand(embeddedLauncherCommandLine(program), directory, true, false, false, nullptr,
             nullptr, true);
}

}  // namespace vd
