#pragma once
// What the JVM commands do. They report through the instruction variables: N1 is 1 when the
// command produced a usable JVM; S1 and S2 hold what it found (see each command).
#include <cstdint>
#include <functional>
#include <string>

#include "archive/tag_file.h"
#include "platform/java_chooser.h"

namespace vd {

class LaunchScript;

// Asks the user for a Java executable; empty when cancelled. The launcher's is the system's
// open-file dialog (a question on the terminal on POSIX), platform::chooseJavaExecutable.
using JavaExecutableChooser = std::function<std::string()>;

// FIND_JVM: S1 = home, S2 = a jvm file written for the match, N1. When nothing is found and
// failures are to be shown, the user may pick a Java executable by hand.
void doFindJvm(bool showUi, bool showFailureMessage,
               const JavaExecutableChooser& choose = platform::chooseJavaExecutable);
void doInitializeUi();
// INSTALL_JVM: runs the embedded JVM installer in a temporary directory (modes 0, 1) or one
// the user chooses (mode 2); S1 = the installed JVM's jvm file, N1.
void doInstallJvm(int32_t mode);
// LAUNCH and ILAUNCH: the Java program's exit code, or -1.
int32_t doLaunch(const std::string& jvmFilePath, int16_t seconds);
int32_t doILaunch(int32_t jvmFileId, int16_t seconds);
// VERIFY: the embedded jvm file with that id, at -vd:javahome or its own JVM_HOME.
void doVerify(bool showUi, bool showFailureMessage, int32_t jvmFileId);
// EXECUTE_LAUNCHER: starts the embedded launcher at `position` and does not wait for it.
void doExecuteLauncher(int32_t position);

// Verifies the JVM a jvm file describes at `javaHome` (empty: at its own JVM_HOME, which the
// verification leaves in `tags`). N1 = 1 and S1 = JVM_HOME on success.
void verifyJvmFile(bool showUi, bool showFailureMessage, TagFile& tags,
                   const std::string& javaHome);

// The launcher's launch script, made from the loaded launch script file on first use; null
// when none was loaded.
LaunchScript* launcherLaunchScript();

}  // namespace vd
