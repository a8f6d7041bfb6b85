#pragma once
// Shared by the instruction interpreter tests: a program built from lines, a fake of the JVM
// commands that records every call, and a way to capture how an operation ended.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "archive/tag_file.h"
#include "instructions/interpreter.h"
#include "instructions/jvm_commands.h"
#include "instructions/variable_store.h"
#include "launcher/exceptions.h"
#include "launcher/process_state.h"

namespace vd::testing {

// How an operation ended: normally, or with one of the two exception types.
struct Outcome {
  enum Kind { kNormal, kInstructionsError, kLauncherError } kind = kNormal;
  std::string message;
  int32_t line = 0;

  bool operator==(const Outcome&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Outcome& o) {
  static const char* const kNames[] = {"normal", "InstructionsException", "LauncherException"};
  return out << kNames[o.kind] << " [" << o.message << "] line " << o.line;
}

inline Outcome normal() { return {}; }
inline Outcome instructionsError(std::string message, int32_t line = 1) {
  return {Outcome::kInstructionsError, std::move(message), line};
}
inline Outcome launcherError(std::string message) {
  return {Outcome::kLauncherError, std::move(message), 0};
}

inline Outcome outcomeOf(const std::function<void()>& work) {
  try {
    work();
  } catch (const InstructionsException& e) {
    return instructionsError(e.message(), e.line());
  } catch (const LauncherException& e) {
    return launcherError(e.message());
  }
  return normal();
}

inline TagFile programOf(std::initializer_list<std::string> lines) {
  TagFile program;
  for (const std::string& line : lines) program.add("INSTRUCTIONS", line);
  return program;
}

// Records each call as text ("LAUNCH jvm 5") and returns launchResult from the launches.
class RecordingJvmCommands : public JvmCommands {
 public:
  std::vector<std::string> calls;
  int32_t launchResult = 0;

  void doFindJvm(bool showUi, bool showFailureMessage) override {
    record("FIND_JVM " + flag(showUi) + " " + flag(showFailureMessage));
  }
  void doInitializeUi() override { record("INITIALIZE_UI"); }
  void doInstallJvm(int32_t mode) override { record("INSTALL_JVM " + std::to_string(mode)); }
  int32_t doLaunch(const std::string& jvmFilePath, int16_t seconds) override {
    record("LAUNCH " + jvmFilePath + " " + std::to_string(seconds));
    return launchResult;
  }
  int32_t doILaunch(int32_t jvmFileId, int16_t seconds) override {
    record("ILAUNCH " + std::to_string(jvmFileId) + " " + std::to_string(seconds));
    return launchResult;
  }
  void doVerify(bool showUi, bool showFailureMessage, int32_t jvmFileId) override {
    record("VERIFY " + flag(showUi) + " " + flag(showFailureMessage) + " " +
           std::to_string(jvmFileId));
  }
  void doExecuteLauncher(int32_t position) override {
    record("EXECUTE_LAUNCHER " + std::to_string(position));
  }

 private:
  static std::string flag(bool value) { return value ? "true" : "false"; }
  void record(const std::string& call) { calls.push_back(call); }
};

// Every test starts from fresh variables and leaves none behind.
class InstructionsTest : public ::testing::Test {
 protected:
  void SetUp() override { resetProcessState(); }
  void TearDown() override { resetProcessState(); }
};

}  // namespace vd::testing
