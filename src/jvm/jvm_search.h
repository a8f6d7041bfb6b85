#pragma once
// The search for a JVM that matches one of the launcher's jvm files: the home given with
// -vd:javahome, then each jvm file's hints, then, where a jvm file allows it, a scan of every
// drive for its Java executable. Only candidates that pass verification become matches.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "jvm/candidate_file_sink.h"
#include "jvm/hint_sources.h"
#include "jvm/jvm_descriptor.h"

namespace vd {

// Homes the drive scan found for one descriptor, verified only after the scan.
struct UnverifiedGroup {
  JvmDescriptor* descriptor = nullptr;
  std::vector<std::string> homes;  // distinct, in the order found
};

class JvmSearch : public CandidateFileSink {
 public:
  JvmSearch();

  // Appends a descriptor; the search owns it.
  void addDescriptor(std::unique_ptr<JvmDescriptor> descriptor) {
    descriptors_.push_back(std::move(descriptor));
  }
  const std::vector<std::unique_ptr<JvmDescriptor>>& descriptors() const { return descriptors_; }

  void setVerification(const std::string& classPath, const std::string& className) {
    verificationClassPath_ = classPath;
    verificationClassName_ = className;
  }
  // Fills the defaults first.
  void getVerification(std::string& classPath, std::string& className);
  const std::string& verificationClassPath() const { return verificationClassPath_; }
  const std::string& verificationClassName() const { return verificationClassName_; }
  // When neither was given: the verification archive embedded in the launcher (the last one),
  // extracted into a new temporary directory, and the class "Verify", both quoted.
  void fillVerificationDefaults();

  // Appends at most one match.
  void findJvm(std::vector<JvmMatch>& results);
  // Appends every match the drive scan finds, in the order verified.
  void findAllJvms(std::vector<JvmMatch>& results);

  bool onCandidateFile(const std::string& path) override;
  // Walks every drive root for files named like one of `exeNames`; stops at the first walk
  // that the sink stopped.
  void scanDrives(const std::vector<std::string>& exeNames, CandidateFileSink& sink);

  const std::vector<UnverifiedGroup>& unverifiedMatches() const { return unverifiedMatches_; }

  // Tests replace the verification of a candidate and the registry and drives.
  void setCandidateCheck(CandidateCheck check) { candidateCheck_ = std::move(check); }
  void setHintSources(const HintSources& sources) { sources_ = &sources; }

 private:
  std::optional<JvmMatch> verify(JvmDescriptor& jvm, const std::string& home);
  void checkUserJavaHome();
  void searchHints(std::vector<JvmMatch>& results);
  std::optional<JvmMatch> searchDescriptorHints(JvmDescriptor& jvm);
  void exhaustiveSearch(std::vector<JvmMatch>& results);
  void verifyUnverifiedMatches(std::vector<JvmMatch>& results);
  void addUnverified(JvmDescriptor& jvm, const std::string& home);
  std::vector<std::string> distinctExeNames() const;

  std::vector<std::unique_ptr<JvmDescriptor>> descriptors_;
  std::vector<UnverifiedGroup> unverifiedMatches_;
  std::optional<JvmMatch> result_;
  bool stopAtFirst_ = false;
  std::string verificationClassPath_;
  std::string verificationClassName_;
  CandidateCheck candidateCheck_;
  const HintSources* sources_;
};

}  // namespace vd
