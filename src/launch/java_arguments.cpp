#include "launch/java_arguments.h"

#include "launch/side_files.h"
#include "launch/token_expansion.h"

namespace vd {
namespace {

void appendWithSpace(std::string& result, const std::string& part) {
  if (part.empty()) return;
  if (!result.empty()) result += ' ';
  result += part;
}

}  // namespace

std::string systemProperty(const JvmDescriptor& jvm, const std::string& name,
                           const std::string& value) {
  return jvm.value("SYSTEM") + name + jvm.value("SYSTEM_SEPARATOR") +
         expandTokens(value, '@', jvm);
}

std::string runtimeSystemProperties(const JvmDescriptor& jvm) {
  std::string result;
  for (const std::string& line : readTrimmedLines(sideFilePath(".sp")).value_or(std::vector<std::string>{})) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    appendWithSpace(result, systemProperty(jvm, line.substr(0, equals), line.substr(equals + 1)));
  }
  return result;
}

std::string runtimeJavaArguments(const JvmDescriptor& jvm) {
  std::string result;
  for (const std::string& line : readTrimmedLines(sideFilePath(".ja")).value_or(std::vector<std::string>{}))
    appendWithSpace(result, expandTokens(line, '@', jvm));
  std::string required = jvm.value("REQ_JAVA_ARGS");
  if (!required.empty()) result += " " + required;
  return result;
}

}  // namespace vd
