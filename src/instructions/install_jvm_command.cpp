// INSTALL_JVM: the embedded JVM installer runs in its destination and leaves a jvm file there.
#include "archive/embedded_files.h"
#include "instructions/jvm_command_bodies.h"
#include "instructions/variable_store.h"
#include "launch/argument_quoting.h"
#include "launch/run_command.h"
#include "launcher/exceptions.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/executable_mode.h"
#include "platform/file_removal.h"
#include "platform/path.h"
#include "platform/path_queries.h"
#include "platform/temp_files.h"
#include "ui/status.h"

namespace vd {
namespace {

constexpr int32_t kChooseDestination = 2;

const FileIndexEntry* firstInstaller() {
  const LauncherArchive& archive = processState().archive;
  for (int i = 0; i < archive.entryCount(); ++i)
    if (archive.entryAt(i)->type == JvmInstaller) return archive.entryAt(i);
  return nullptr;
}

// The program's path alone, quoted so that a destination with spaces names one file.
std::string commandLineOf(const std::string& program) { return quoteArgument(program).substr(1); }

// Extracts and runs the installer hidden, waiting for it; its output and exit code do not
// matter, only the jvm file it leaves.
void runInstaller(const FileIndexEntry& installer, const std::string& destination) {
  std::string program = extractEntry(installer, destination);
  platform::makeExecutable(program);
  runCommand(commandLineOf(program), destination, false, true, true, nullptr, nullptr, false);
  deletePath(program);
}

}  // namespace

void doInstallJvm(int32_t mode) {
  setNumericVariable(1, 0);
  setStringVariable(1, std::string());
  if (mode == 0) {
    hideWindowAfter(0);
  } else {
    showWindow();
    showStatus(kStatusPreparingJvm);
  }
  const FileIndexEntry* installer = firstInstaller();
  if (!installer) throw LauncherException(messageText(kMsgNoJvmInstaller));
  std::string destination =
      mode == kChooseDestination ? chooseJvmDestination() : createTempDirectory();
  if (destination.empty()) return;
  runInstaller(*installer, destination);

  std::string jvmFile = platform::joinPath(destination, "jvm");
  if (!fileExists(jvmFile)) {
    writeLog("Invalid bundled JVM. Missing 'jvm' file.", kLogError);
    return;
  }
  TagFile tags(jvmFile);
  tags.setJvmLocation(destination, jvmFile, true);
  tags.write(jvmFile);
  setNumericVariable(1, 1);
  setStringVariable(1, jvmFile);
}

}  // namespace vd
