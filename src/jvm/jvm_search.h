#pragma once
// The JVM search's list of jvm files and the verification class it runs on each candidate.
#include <memory>
#include <string>
#include <vector>

#include "jvm/jvm_descriptor.h"

namespace vd {

class JvmSearch {
 public:
  // Appends a descriptor; the search owns it.
  void addDescriptor(std::unique_ptr<JvmDescriptor> descriptor) {
    descriptors_.push_back(std::move(descriptor));
  }
  const std::vector<std::unique_ptr<JvmDescriptor>>& descriptors() const { return descriptors_; }

  void setVerification(const std::string& classPath, const std::string& className) {
    verificationClassPath_ = classPath;
    verificationClassName_ = className;
  }
  const std::string& verificationClassPath() const { return verificationClassPath_; }
  const std::string& verificationClassName() const { return verificationClassName_; }

 private:
  std::vector<std::unique_ptr<JvmDescriptor>> descriptors_;
  std::string verificationClassPath_;
  std::string verificationClassName_;
};

}  // namespace vd
