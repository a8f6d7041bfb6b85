#include "instructions/launcher_jvm_commands.h"

namespace vd {
namespace {

class LauncherJvmCommands : public JvmCommands {
 public:
  explicit LauncherJvmCommands(JavaExecutableChooser choose) : choose_(std::move(choose)) {}

  void doFindJvm(bool showUi, bool showFailureMessage) override {
    vd::doFindJvm(showUi, showFailureMessage, choose_);
  }
  void doInitializeUi() override { vd::doInitializeUi(); }
  void doInstallJvm(int32_t mode) override { vd::doInstallJvm(mode); }
  int32_t doLaunch(const std::string& jvmFilePath, int16_t seconds) override {
    return vd::doLaunch(jvmFilePath, seconds);
  }
  int32_t doILaunch(int32_t jvmFileId, int16_t seconds) override {
    return vd::doILaunch(jvmFileId, seconds);
  }
  void doVerify(bool showUi, bool showFailureMessage, int32_t jvmFileId) override {
    vd::doVerify(showUi, showFailureMessage, jvmFileId);
  }
  void doExecuteLauncher(int32_t position) override { vd::doExecuteLauncher(position); }

 private:
  JavaExecutableChooser choose_;
};

}  // namespace

std::unique_ptr<JvmCommands> makeLauncherJvmCommands(JavaExecutableChooser choose) {
  return std::make_unique<LauncherJvmCommands>(std::move(choose));
}

}  // namespace vd
