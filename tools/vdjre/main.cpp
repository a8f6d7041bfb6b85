// vdjre: the JVM installer stub. `vdpack jre` appends a runtime package to a copy of it; run
// in its destination (INSTALL_JVM runs it hidden, with the destination as its working
// directory) it writes the runtime there and the jvm file last. The whole package is checked
// first, so that a damaged one or one with a path leaving the destination writes nothing.
#include <cstdio>
#include <string>

#include "archive/runtime_installation.h"
#include "launcher/exceptions.h"
#include "platform/module.h"

namespace {

constexpr const char* kUsage =
    "usage: %s [DESTINATION]\n"
    "Installs the Java runtime this file carries into DESTINATION (default: the current\n"
    "directory) and writes its jvm file there last, as \"jvm\".\n";

}  // namespace

int main(int argc, char** argv) {
  std::string first = argc > 1 ? argv[1] : "";
  if (argc > 2 || first == "--help" || first == "-h") {
    std::fprintf(argc > 2 ? stderr : stdout, kUsage, argv[0]);
    return argc > 2 ? 2 : 0;
  }
  try {
    vd::installRuntimePackage(vd::platform::moduleFileName(), first);
    return 0;
  } catch (const vd::LauncherException& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.message().c_str());
    return 1;
  }
}
