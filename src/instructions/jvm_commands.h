#pragma once
// The operations behind the JVM commands of the instruction language. The interpreter reads
// and checks every argument and then calls exactly one of these; what they do (search,
// verification, installation, launch) lives behind this interface so that the interpreter
// can be tested with a recording fake.
#include <cstdint>
#include <memory>
#include <string>

namespace vd {

class JvmCommands {
 public:
  virtual ~JvmCommands() = default;

  // FIND_JVM: sets S1 (home), S2 (jvm file written for the match) and N1.
  virtual void doFindJvm(bool showUi, bool showFailureMessage) = 0;
  // INITIALIZE_UI.
  virtual void doInitializeUi() = 0;
  // INSTALL_JVM with mode 0, 1 or 2: sets N1 and S1 (path of the installed jvm file).
  virtual void doInstallJvm(int32_t mode) = 0;
  // LAUNCH: returns the Java program's exit code, or -1.
  virtual int32_t doLaunch(const std::string& jvmFilePath, int16_t seconds) = 0;
  // ILAUNCH: the jvm file is the embedded file with this file id.
  virtual int32_t doILaunch(int32_t jvmFileId, int16_t seconds) = 0;
  // VERIFY: sets N1 and S1.
  virtual void doVerify(bool showUi, bool showFailureMessage, int32_t jvmFileId) = 0;
  // EXECUTE_LAUNCHER: `position` in the list of embedded files (0-based).
  virtual void doExecuteLauncher(int32_t position) = 0;
};

// The implementation the launcher uses unless another one was installed (defined in
// default_jvm_commands.cpp).
std::unique_ptr<JvmCommands> makeDefaultJvmCommands();

// The process-wide implementation: the installed one, else the default (made on first use).
JvmCommands& jvmCommands();
// Replaces the process-wide implementation (for tests, or a front end with its own bodies).
void installJvmCommands(std::unique_ptr<JvmCommands> commands);

}  // namespace vd
