#include "jvm/verification.h"

#include "instructions/text_scan.h"
#include "launch/launch_script.h"
#include "launcher/log.h"
#include "platform/path.h"
#include "platform/path_queries.h"
#include "ui/status.h"

namespace vd {
namespace {

constexpr int kMissingExecutableSteps = 2;
constexpr int kVerificationSteps = 6;

bool endsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool isQuoted(const std::string& text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

// The class path as a quoted argument of %CP%(...), keeping the quotes that hold a path with
// spaces together on the command line. A path given without them gets them: bare, it would
// not be an argument at all and every verification would stop with a launch script error.
std::string classPathArgument(const std::string& classPath) {
  if (classPath.empty()) return classPath;
  std::string quoted = isQuoted(classPath) ? classPath : "\"" + classPath + "\"";
  return "\"\"" + quoted + "\"\"";
}

void addExpectedProperties(const JvmDescriptor& jvm, VerificationCommand& command) {
  for (const std::string& setting : jvm.tags().values("JVM_PROPERTIES")) {
    size_t equals = setting.find('=');
    if (equals == std::string::npos) {
      writeLog("Invalid JVM_PROPERTIES setting (" + setting + ") in JVM File " + jvm.name(),
               kLogWarning);
      continue;
    }
    ExpectedProperty property{trimBlanks(setting.substr(0, equals)),
                              trimBlanks(setting.substr(equals + 1))};
    command.text += " " + property.name;
    command.expected.push_back(std::move(property));
  }
}

// Reads lines of the child's output: carriage returns dropped, blanks trimmed.
class OutputLines {
 public:
  explicit OutputLines(const std::string& text) : text_(text) {}
  bool remaining() const { return position_ < text_.size(); }
  std::string next() {
    size_t end = text_.find('\n', position_);
    if (end == std::string::npos) end = text_.size();
    std::string line;
    for (size_t i = position_; i < end; ++i)
      if (text_[i] != '\r') line += text_[i];
    position_ = end + 1;
    return trimBlanks(line);
  }

 private:
  const std::string& text_;
  size_t position_ = 0;
};

bool propertyPasses(const std::string& line, const std::string& expected) {
  static const std::string kPrefixMark = "...";
  if (!endsWith(expected, kPrefixMark)) return line == expected;
  std::string prefix = expected.substr(0, expected.size() - kPrefixMark.size());
  return line.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

VerificationCommand buildVerificationCommand(const JvmDescriptor& jvm, const std::string& home,
                                             const std::string& classPath,
                                             const std::string& className) {
  VerificationCommand command;
  command.text = platform::joinPath("\"" + home, "@JVM_EXE@\" %CP%(") +
                 classPathArgument(classPath) + ")  @REQ_JAVA_ARGS@ " + className;
  addExpectedProperties(jvm, command);
  return command;
}

bool verificationOutputMatches(const std::string& output,
                               const std::vector<ExpectedProperty>& expected) {
  OutputLines lines(output);
  std::string line;
  for (;;) {
    if (!lines.remaining()) {
      writeLog("Invalid magic value: " + line + "\n", kLogError);
      return false;
    }
    line = lines.next();
    if (line == kVerificationMagicLine) break;
  }
  for (const ExpectedProperty& property : expected) {
    if (!lines.remaining()) break;
    if (!propertyPasses(lines.next(), property.value)) return false;
  }
  return true;
}

std::optional<JvmMatch> JvmDescriptor::verifyCandidate(const std::string& home,
                                                       const std::string& classPath,
                                                       const std::string& className) {
  std::string exe = value("JVM_EXE");
  if (exe.empty() || home.empty()) return std::nullopt;
  SubStatusSaver saver;
  showSubStatus(kSubStatusVerifying, description());
  std::string exePath = platform::joinPath(home, exe);
  writeLog("Verifying JVM at " + exePath + "\n   for JVM: " + description());
  if (!fileExists(exePath)) {
    writeLog(exePath + " does not exist");
    stepProgress(kMissingExecutableSteps);
    return std::nullopt;
  }
  tags_.set("JVM_HOME", home);
  VerificationCommand command = buildVerificationCommand(*this, home, classPath, className);
  LaunchScript script(command.text, true, false);
  script.execute(*this, {}, false);
  bool passed = verificationOutputMatches(script.stdOut(), command.expected);
  stepProgress(kVerificationSteps);
  if (!passed) return std::nullopt;
  writeLog("Found matching JVM at " + home);
  return JvmMatch{home, false, &tags_};
}

}  // namespace vd
