#pragma once
// `vdpack jre`: a JVM installer made from a runtime directory, the installer stub and a jvm
// file (the package layout is in archive/runtime_package.h).
#include <cstdint>
#include <string>
#include <vector>

namespace vd::pack {

struct JrePlan {
  std::string runtime;
  std::string jvmFile;
  std::string out;
  std::string stub;  // empty: the installer stub of vdpack's own platform
};

// What the installer unpacks to, for the launcher's disk space check (--compressed).
struct JreSummary {
  uint32_t entries = 0;
  uint64_t bytes = 0;
};

// The arguments after "jre"; raises UsageError.
JrePlan parseJreOptions(const std::vector<std::string>& args);

// The installer stub vdpack uses when --stub is not given: the first that exists of the
// install layout's <vdpack's directory>/../lib/vdlauncher/vdjre and the build tree's
// <vdpack's directory>/../vdjre/vdjre (with .exe and the platform in the names on Windows).
std::string defaultJreStub();

// Writes the installer; failures raise LauncherException (a jvm file whose JVM_EXE is not a
// file of the runtime, or a runtime holding a top-level "jvm", included).
JreSummary writeJreInstaller(const JrePlan& plan);

}  // namespace vd::pack
