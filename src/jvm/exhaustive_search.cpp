// The drive scan part of the JVM search. While one match is wanted, only the first jvm file's
// candidates are verified as they are found (each verification starts a JVM); every other
// candidate waits until the scan is over and each distinct home is verified once per jvm file.
#include <algorithm>

#include "jvm/drive_list.h"
#include "jvm/drive_scan_visitor.h"
#include "jvm/jvm_search.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/path.h"
#include "platform/temp_files.h"
#include "ui/status.h"

namespace vd {
namespace {

bool cancelRequested() { return processState().cancelRequested.load(); }

// "C:" becomes "C:\"; the POSIX root, listed as "", becomes "/".
std::string rootDirectory(const std::string& root) {
  if (!root.empty() && root.back() == platform::kPathSeparator) return root;
  return root + platform::kPathSeparator;
}

}  // namespace

std::vector<std::string> JvmSearch::distinctExeNames() const {
  std::vector<std::string> names;
  for (const std::unique_ptr<JvmDescriptor>& jvm : descriptors_) {
    std::string exe = jvm->value("JVM_EXE");
    if (std::find(names.begin(), names.end(), exe) == names.end()) names.push_back(exe);
  }
  return names;
}

void JvmSearch::exhaustiveSearch(std::vector<JvmMatch>& results) {
  unverifiedMatches_.clear();
  std::vector<std::string> exeNames = distinctExeNames();
  SubStatusSaver saver;
  showSubStatus(kSubStatusScanningDisks, std::string());
  writeLog("Beginning exhaustive search");
  scanDrives(exeNames, *this);
  if (!result_) verifyUnverifiedMatches(results);
}

void JvmSearch::verifyUnverifiedMatches(std::vector<JvmMatch>& results) {
  writeLog("Processing unverified matches.\n");
  for (const UnverifiedGroup& group : unverifiedMatches_) {
    for (const std::string& home : group.homes) {
      if (cancelRequested()) return;
      std::optional<JvmMatch> match = verify(*group.descriptor, home);
      if (!match) continue;
      results.push_back(*match);
      if (stopAtFirst_) return;
    }
  }
}

void JvmSearch::scanDrives(const std::vector<std::string>& exeNames, CandidateFileSink& sink) {
  DriveScanVisitor visitor(exeNames, sink, tempDirectory());
  for (const std::string& root : driveList(*sources_))
    if (visitor.walk(rootDirectory(root))) return;
}

bool JvmSearch::onCandidateFile(const std::string& path) {
  bool first = true;
  for (const std::unique_ptr<JvmDescriptor>& jvm : descriptors_) {
    if (result_) break;
    std::string exe = jvm->value("JVM_EXE");
    bool matches = !exe.empty() && path.size() > exe.size() &&
                   path.compare(path.size() - exe.size(), exe.size(), exe) == 0;
    if (matches) {
      std::string home = path.substr(0, path.size() - exe.size() - 1);
      if (first && stopAtFirst_) {
        result_ = verify(*jvm, home);
        if (result_) return true;
      } else {
        addUnverified(*jvm, home);
      }
    }
    first = false;
  }
  return false;
}

void JvmSearch::addUnverified(JvmDescriptor& jvm, const std::string& home) {
  auto group = std::find_if(unverifiedMatches_.begin(), unverifiedMatches_.end(),
                            [&](const UnverifiedGroup& g) { return g.descriptor == &jvm; });
  if (group == unverifiedMatches_.end()) {
    unverifiedMatches_.push_back(UnverifiedGroup{&jvm, {home}});
    return;
  }
  if (std::find(group->homes.begin(), group->homes.end(), home) == group->homes.end())
    group->homes.push_back(home);
}

}  // namespace vd
