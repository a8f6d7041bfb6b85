#include "instructions/unavailable_jvm_commands.h"

#include <string>

#include "launcher/exceptions.h"

namespace vd {
namespace {

[[noreturn]] void unavailable(const std::string& command) {
  throw LauncherException("The command " + command + " is not available in this build yet.");
}

class UnavailableJvmCommands : public JvmCommands {
 public:
  void doFindJvm(bool, bool) override { unavailable("FIND_JVM"); }
  void doInitializeUi() override { unavailable("INITIALIZE_UI"); }
  void doInstallJvm(int32_t) override { unavailable("INSTALL_JVM"); }
  int32_t doLaunch(const std::string&, int16_t) override { unavailable("LAUNCH"); }
  int32_t doILaunch(int32_t, int16_t) override { unavailable("ILAUNCH"); }
  void doVerify(bool, bool, int32_t) override { unavailable("VERIFY"); }
  void doExecuteLauncher(int32_t) override { unavailable("EXECUTE_LAUNCHER"); }
};

}  // namespace

std::unique_ptr<JvmCommands> makeUnavailableJvmCommands() {
  return std::make_unique<UnavailableJvmCommands>();
}

}  // namespace vd
