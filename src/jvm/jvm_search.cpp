#include "jvm/jvm_search.h"

#include "archive/embedded_files.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/temp_files.h"
#include "ui/status.h"

namespace vd {

JvmSearch::JvmSearch() : sources_(&systemHintSources()) {}

void JvmSearch::getVerification(std::string& classPath, std::string& className) {
  fillVerificationDefaults();
  classPath = verificationClassPath_;
  className = verificationClassName_;
}

void JvmSearch::fillVerificationDefaults() {
  if (!verificationClassPath_.empty() || !verificationClassName_.empty()) return;
  const LauncherArchive& archive = processState().archive;
  std::string archivePath;
  for (int i = 0; i < archive.entryCount(); ++i) {
    const FileIndexEntry* entry = archive.entryAt(i);
    if (entry->type == VerifyArchive) archivePath = extractEntry(*entry, createTempDirectory());
  }
  if (archivePath.empty()) return;
  verificationClassPath_ = "\"" + archivePath + "\"";
  verificationClassName_ = "\"Verify\"";
}

std::optional<JvmMatch> JvmSearch::verify(JvmDescriptor& jvm, const std::string& home) {
  if (candidateCheck_) return candidateCheck_(jvm, home);
  return jvm.verifyCandidate(home, verificationClassPath_, verificationClassName_);
}

void JvmSearch::findJvm(std::vector<JvmMatch>& results) {
  result_.reset();
  fillVerificationDefaults();
  checkUserJavaHome();
  if (!result_) searchHints(results);
  if (result_) results.push_back(*result_);
}

// The home named with -vd:javahome is tried with every jvm file, required properties or not.
void JvmSearch::checkUserJavaHome() {
  const std::string& javaHome = processState().settings.javaHome;
  if (javaHome.empty()) return;
  writeLog("Checking user specified Java home directory => " + javaHome);
  for (const std::unique_ptr<JvmDescriptor>& jvm : descriptors_) {
    if (result_) return;
    result_ = verify(*jvm, javaHome);
  }
}

// The hints of every jvm file up to the first that allows the drive scan, which then looks
// for the executables of all of them.
void JvmSearch::searchHints(std::vector<JvmMatch>& results) {
  writeLog("Initiating JVM search based on hints...");
  bool searchAll = false;
  for (const std::unique_ptr<JvmDescriptor>& jvm : descriptors_) {
    if (result_ || searchAll) break;
    searchAll = jvm->searchAll();
    result_ = searchDescriptorHints(*jvm);
  }
  if (result_ || !searchAll) return;
  // A match verified during the scan is result_; one verified after it goes to `results`.
  stopAtFirst_ = true;
  exhaustiveSearch(results);
}

std::optional<JvmMatch> JvmSearch::searchDescriptorHints(JvmDescriptor& jvm) {
  SubStatusSaver saver;
  showSubStatus(kSubStatusSearchingFor, jvm.description());
  CandidateCheck check = [this](JvmDescriptor& d, const std::string& home) {
    return verify(d, home);
  };
  std::optional<JvmMatch> match = jvm.findByPlatformHints(check, *sources_);
  if (!match) match = jvm.findByPathHints(check, *sources_);
  if (!match) match = jvm.findByPlatformJvmPaths(check);
  return match;
}

void JvmSearch::findAllJvms(std::vector<JvmMatch>& results) {
  result_.reset();
  fillVerificationDefaults();
  stopAtFirst_ = false;
  exhaustiveSearch(results);
}

}  // namespace vd
