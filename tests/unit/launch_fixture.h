#pragma once
// Shared by the launch script, class path and jvm descriptor tests: a fresh process state with
// a log file and a temporary directory in a scratch directory, jvm files built from pairs, and
// environment variables put back after each test.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "archive/tag_file.h"
#include "jvm/jvm_descriptor.h"
#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "platform/environment.h"
#include "platform/temp_files.h"
#include "scratch_directory.h"

namespace vd::testing {

using TagPairs = std::initializer_list<std::pair<std::string, std::string>>;

inline TagFile tagsOf(TagPairs pairs) {
  TagFile tags;
  for (const auto& [name, value] : pairs) tags.add(name, value);
  return tags;
}

inline JvmDescriptor jvmOf(TagPairs pairs) { return JvmDescriptor(tagsOf(pairs), "test.jvm"); }

// The message of the LauncherException `work` raises, or nothing.
inline std::optional<std::string> errorOf(const std::function<void()>& work) {
  try {
    work();
  } catch (const LauncherException& e) {
    return e.message();
  }
  return std::nullopt;
}

class LaunchTest : public ::testing::Test {
 protected:
  LaunchTest() {
    resetProcessState();
    settings().logFile = scratch.file("launcher.log");
    settings().launcherFile = "/dist/setup";
    settings().origLauncherFile = scratch.file("setup.exe");
    std::filesystem::create_directories(tempRoot());
    setTempDirectory(tempRoot());
  }
  ~LaunchTest() override {
    for (const auto& [name, value] : savedEnvironment_) platform::setEnvironmentVariable(name, value);
    resetProcessState();
  }

  LauncherSettings& settings() { return processState().settings; }
  std::string tempRoot() const { return scratch.file("tmp"); }
  std::string log() const { return ScratchDirectory::read(scratch.file("launcher.log")); }
  // A file next to the launcher the user started.
  void writeBeside(const std::string& name, const std::string& text) const {
    ScratchDirectory::write(scratch.file(name), text);
  }

  void setEnv(const std::string& name, const std::optional<std::string>& value) {
    if (!savedEnvironment_.count(name))
      savedEnvironment_[name] = platform::getEnvironmentVariable(name);
    platform::setEnvironmentVariable(name, value);
  }

  ScratchDirectory scratch;

 private:
  std::map<std::string, std::optional<std::string>> savedEnvironment_;
};

}  // namespace vd::testing
