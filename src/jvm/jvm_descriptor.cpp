#include "jvm/jvm_descriptor.h"

#include "launcher/log.h"
#include "platform/path.h"

namespace vd {

JvmDescriptor::JvmDescriptor(TagFile tags) : tags_(std::move(tags)), name_(tags_.sourceName()) {}

JvmDescriptor::JvmDescriptor(TagFile tags, std::string name)
    : tags_(std::move(tags)), name_(std::move(name)) {}

void JvmDescriptor::resolveToken(std::string& text, char, size_t start, size_t end) const {
  std::string key = text.substr(start + 1, end - start - 1);
  std::string replacement = value(key);
  if (key == "JVM_HOME" && !replacement.empty() && replacement.back() == platform::kPathSeparator)
    replacement.pop_back();
  text.replace(start, end - start + 1, replacement);
}

bool JvmDescriptor::hasRequiredProperties() const {
  if (!value("JVM_PROPERTIES").empty()) return true;
  writeLog("Unable to verify " + name_ + " because the JVM_PROPERTIES tag was not specified.",
           kLogWarning);
  return false;
}

std::optional<JvmMatch> JvmDescriptor::verifyDeclaredHome(const CandidateCheck& verify) {
  if (!hasRequiredProperties()) return std::nullopt;
  return verify(*this, value("JVM_HOME"));
}

}  // namespace vd
