// Extracting a 200 MB entry against `cp` of the same bytes on the same disk, in one run.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "archive/embedded_files.h"
#include "bench_support.h"
#include "launcher/process_state.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  const uint64_t kBytes = 200ull << 20;
  const int kRuns = 5;
  fs::path dir = vd::bench::workDirectory(argc, argv, "vd-bench-extract");
  std::string launcher = (dir / "launcher").string();
  vd::bench::writeLauncher(launcher, 1 << 20, {{vd::JvmInstaller, "setup.exe", "", kBytes}});
  vd::processState().settings.launcherFile = launcher;
  vd::processState().archive.open(false);
  const vd::FileIndexEntry& entry = *vd::processState().archive.entryAt(0);

  fs::create_directories(dir / "out");
  fs::path extracted = dir / "out" / "setup.exe";
  fs::path source = dir / "plain.bin";
  fs::path copy = dir / "copy.bin";
  // The same bytes as a plain file for cp, read once so that both start from the page cache.
  vd::extractEntry(entry, (dir / "out").string());
  fs::rename(extracted, source);
  std::string cp = "cp '" + source.string() + "' '" + copy.string() + "'";

  std::vector<double> extractSeconds, copySeconds;
  for (int run = 0; run < kRuns; ++run) {
    fs::remove(extracted);
    fs::remove(copy);
    extractSeconds.push_back(vd::bench::timeRuns(1, [&] {
      vd::extractEntry(entry, (dir / "out").string());
    })[0]);
    copySeconds.push_back(vd::bench::timeRuns(1, [&] {
      if (std::system(cp.c_str()) != 0) throw std::runtime_error("cp failed");
    })[0]);
  }
  double extractMbs = kBytes / 1048576.0 / vd::bench::median(extractSeconds);
  double copyMbs = kBytes / 1048576.0 / vd::bench::median(copySeconds);
  std::printf("extract 200 MB: %.0f MB/s, cp: %.0f MB/s, ratio %.2f (target >= 0.80)\n",
              extractMbs, copyMbs, extractMbs / copyMbs);
  vd::resetProcessState();
  fs::remove_all(dir);
  return 0;
}
