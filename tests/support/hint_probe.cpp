// Test helper for Wine: the registry and drive side of the jvm hints, and a launch through the
// launch script, on the real system. Usage:
//   hint_probe LOGFILE hint HINT          each candidate home on a line, or "error: ..."
//   hint_probe LOGFILE drives             each fixed or network drive on a line
//   hint_probe LOGFILE launch COMMAND ARG...   runs COMMAND with ARGs appended, prints its output
#include <cstdio>
#include <string>
#include <vector>

#include "jvm/drive_list.h"
#include "jvm/platform_hint.h"
#include "launch/launch_script.h"
#include "launcher/exceptions.h"
#include "launcher/process_state.h"

namespace {

int probe(const std::string& mode, const std::vector<std::string>& rest) {
  if (mode == "hint" && rest.size() == 1) {
    for (const std::string& home : vd::resolvePlatformHint(rest[0])) std::printf("%s\n", home.c_str());
    return 0;
  }
  if (mode == "drives") {
    for (const std::string& drive : vd::driveList()) std::printf("%s\n", drive.c_str());
    return 0;
  }
  if (mode == "launch" && !rest.empty()) {
    vd::TagFile tags;
    tags.set("JVM_HOME", "C:\\jre\\");
    vd::JvmDescriptor jvm(tags, "probe.jvm");
    vd::LaunchScript script(rest[0], true, false);
    int code = script.execute(jvm, std::vector<std::string>(rest.begin() + 1, rest.end()), false);
    std::printf("%sexit %d\n", script.stdOut().c_str(), code);
    return 0;
  }
  std::fprintf(stderr, "usage: hint_probe LOGFILE hint HINT | drives | launch COMMAND ARG...\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return probe("", {});
  vd::processState().settings.logFile = argv[1];
  try {
    return probe(argv[2], std::vector<std::string>(argv + 3, argv + argc));
  } catch (const vd::LauncherException& e) {
    std::printf("error: %s\n", e.message().c_str());
    return 1;
  }
}
