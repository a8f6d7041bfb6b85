#pragma once
#include <string>
#include <vector>

namespace vd {

// The record of the command line and the input file. Written by the run driver only.
struct LauncherSettings {
  std::string launcherFile;
  std::string origLauncherFile;
  bool origGiven = false;
  std::vector<std::string> commandLineArgs;
  std::vector<std::string> applicationArgs;
  std::string logFile;
  std::string javaHome;
  std::string classPathPrepend;
  std::string classPathAppend;
  bool javaConsole = false;

  // The directory of the original launcher: the text before the last slash or backslash.
  std::string launcherDirectory() const;
};

}  // namespace vd
