// Opening a launcher whose archive holds 100 entries, one of them large: the trailer search,
// the file index and the parse of the embedded text files. Run once with a 1 MB and once with
// a 50 MB large entry, to show that the time does not depend on it.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/launcher_archive.h"
#include "bench_support.h"
#include "launcher/process_state.h"

namespace {

using vd::bench::BenchFile;

std::vector<BenchFile> hundredEntries(uint64_t largeBytes) {
  std::vector<BenchFile> files;
  std::string program = "DESC: benchmark\nINSTRUCTIONS:\n";
  for (int i = 0; i < 40; ++i) program += "  SET S1 = \"value " + std::to_string(i) + "\"\n";
  files.push_back({vd::Instructions, "instructions.txt", program + "/:\n", 0});
  files.push_back({vd::LaunchScriptFile, "launch.txt",
                   "COMMAND: \"@JVM_HOME@/bin/java\" %CP%(\"app.jar\") -Dx=y Main\n", 0});
  files.push_back({vd::JvmMessage, "JVMNotFound.txt", "MESSAGE: No JVM was found.\n", 0});
  for (int i = 0; i < 20; ++i)
    files.push_back({vd::JvmFile, "jvm" + std::to_string(i) + ".jvm",
                     "JVM_EXE: bin/java\nJVM_VERSION: 17\nPLATFORM_HINT:\n  HKLM\\Software\\Java\n"
                     "  /usr/lib/jvm\n/:\nJVM_PROPERTIES:\n  java.vendor=X\n/:\n",
                     0});
  files.push_back({vd::JvmInstaller, "jvm-setup.exe", "", largeBytes});
  while (files.size() < 100)
    files.push_back({vd::ClassPathArchive, "lib" + std::to_string(files.size()) + ".jar",
                     std::string(4096, 'j'), 0});
  return files;
}

double openMilliseconds(const std::string& launcher, std::vector<double>& all) {
  const int kRuns = 200;
  all = vd::bench::timeRuns(kRuns, [&] {
    vd::resetProcessState();
    vd::processState().settings.launcherFile = launcher;
    vd::processState().archive.open(true);
    if (vd::processState().archive.entryCount() != 100) throw std::runtime_error("not 100 entries");
  });
  return vd::bench::median(all) * 1000;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path dir = vd::bench::workDirectory(argc, argv, "vd-bench-open");
  for (uint64_t megabytes : {1, 50}) {
    std::string launcher = (dir / ("launcher-" + std::to_string(megabytes) + "mb")).string();
    vd::bench::writeLauncher(launcher, 4 * 1024 * 1024, hundredEntries(megabytes << 20));
    std::vector<double> all;
    double medianMs = openMilliseconds(launcher, all);
    double worstMs = *std::max_element(all.begin(), all.end()) * 1000;
    std::printf("open, 100 entries, %3llu MB entry: median %.3f ms, worst %.3f ms (target < 5 ms)\n",
                static_cast<unsigned long long>(megabytes), medianMs, worstMs);
  }
  vd::resetProcessState();
  std::filesystem::remove_all(dir);
  return 0;
}
