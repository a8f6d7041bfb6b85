// The drive scan of the JVM search over a tree of 100,000 files against find(1) looking for
// the same names in the same tree, in one run (warm cache for both).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "bench_support.h"
#include "jvm/jvm_search.h"
#include "launcher/process_state.h"
#include "platform/temp_files.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTop = 10, kMiddle = 100, kFiles = 100;  // 100,000 files in 1,011 directories

// The drive list is the tree alone.
class TreeDrive : public vd::HintSources {
 public:
  explicit TreeDrive(std::string root) : root_(std::move(root)) {}
  vd::platform::RegistryRead readRegistryText(vd::platform::RegistryRoot, const std::string&,
                                              const std::string&) const override {
    return {};
  }
  std::vector<vd::platform::LogicalDrive> logicalDrives() const override {
    return {{root_ + "/", vd::platform::DriveType::kFixed}};
  }

 private:
  std::string root_;
};

class CountingSink : public vd::CandidateFileSink {
 public:
  bool onCandidateFile(const std::string&) override {
    ++count;
    return false;
  }
  int count = 0;
};

// Built by appending: gcc 12 warns falsely (-Wrestrict) about "t" + to_string at -O3.
std::string numbered(const char* prefix, int n) {
  std::string name(prefix);
  name += std::to_string(n);
  return name;
}

// The first middle directory of each top one holds a bin/java among its files.
void makeTree(const fs::path& root) {
  for (int t = 0; t < kTop; ++t)
    for (int m = 0; m < kMiddle; ++m) {
      fs::path dir = root / numbered("t", t) / numbered("m", m);
      bool jdk = m == 0;
      fs::create_directories(jdk ? dir / "bin" : dir);
      for (int f = 0; f < kFiles; ++f) {
        fs::path file = jdk && f == 0 ? dir / "bin" / "java" : dir / numbered("f", f);
        std::FILE* out = std::fopen(file.c_str(), "w");
        if (!out) throw std::runtime_error("cannot create " + file.string());
        std::fclose(out);
      }
    }
}

}  // namespace

int main(int argc, char** argv) {
  const int kRuns = 5;
  fs::path dir = vd::bench::workDirectory(argc, argv, "vd-bench-scan");
  fs::path tree = dir / "tree";
  makeTree(tree);
  fs::create_directories(dir / "tmp");
  vd::setTempDirectory((dir / "tmp").string());

  TreeDrive drive(tree.string());
  vd::JvmSearch search;
  search.setHintSources(drive);
  std::vector<std::string> names = {"bin/java"};
  std::string find = "find '" + tree.string() + "' -path '*/bin/java' > '" +
                     (dir / "find.out").string() + "'";

  int found = 0;
  auto scan = [&] {
    CountingSink sink;
    search.scanDrives(names, sink);
    found = sink.count;
  };
  auto runFind = [&] {
    if (std::system(find.c_str()) != 0) throw std::runtime_error("find failed");
  };
  scan();  // both start from a warm cache
  runFind();
  std::vector<double> scanSeconds, findSeconds;
  for (int run = 0; run < kRuns; ++run) {
    scanSeconds.push_back(vd::bench::timeRuns(1, scan)[0]);
    findSeconds.push_back(vd::bench::timeRuns(1, runFind)[0]);
  }
  double scanTime = vd::bench::median(scanSeconds);
  double findTime = vd::bench::median(findSeconds);
  std::printf("drive scan of %d files: %.1f ms (%d candidates), find: %.1f ms, ratio %.2f\n",
              kTop * kMiddle * kFiles, scanTime * 1000, found, findTime * 1000,
              scanTime / findTime);
  vd::resetProcessState();
  fs::remove_all(dir);
  return 0;
}
