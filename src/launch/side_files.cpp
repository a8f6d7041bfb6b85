#include "launch/side_files.h"

#include <cstdio>

#include "instructions/text_scan.h"
#include "launch/launch_script_error.h"
#include "launch/token_expansion.h"
#include "launcher/process_state.h"
#include "platform/files.h"

namespace vd {

std::string sideFilePath(const std::string& launcherPath, const std::string& suffix) {
  size_t dot = launcherPath.rfind('.');
  size_t separator = launcherPath.find_last_of("\\/");
  if (dot != std::string::npos && separator != std::string::npos && separator < dot)
    return launcherPath.substr(0, dot) + suffix;
  return launcherPath + suffix;
}

std::string sideFilePath(const std::string& suffix) {
  return sideFilePath(processState().settings.origLauncherFile, suffix);
}

std::optional<std::vector<std::string>> readTrimmedLines(const std::string& path) {
  platform::UniqueFile file = platform::openFile(path, "rb");
  if (!file) return std::nullopt;
  std::string content;
  char block[4096];
  for (size_t read; (read = std::fread(block, 1, sizeof block, file.get())) > 0;) {
    content.append(block, read);
    if (content.size() > kMaxExpandedLength)
      raiseLaunchScriptError(path, "The file " + path + " is larger than " +
                                       std::to_string(kMaxExpandedLength) + " bytes.");
  }
  std::vector<std::string> lines;
  size_t begin = 0;
  while (begin < content.size()) {
    size_t end = content.find('\n', begin);
    if (end == std::string::npos) end = content.size();
    lines.push_back(trimBlanks(content.substr(begin, end - begin)));
    begin = end + 1;
  }
  return lines;
}

}  // namespace vd
