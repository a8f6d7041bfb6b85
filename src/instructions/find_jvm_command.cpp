// FIND_JVM: the JVM search, and a Java executable picked by the user when it finds nothing.
#include <vector>

#include "instructions/jvm_command_bodies.h"
#include "instructions/variable_store.h"
#include "jvm/jvm_file_writer.h"
#include "jvm/launcher_jvm_search.h"
#include "launcher/exceptions.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/file_operations.h"
#include "platform/path.h"
#include "ui/status.h"

namespace vd {
namespace {

#ifdef _WIN32
constexpr const char* kChosenExecutable = "bin\\java.exe";
constexpr const char* kClassPathSeparator = ";";
#else
constexpr const char* kChosenExecutable = "bin/java";
constexpr const char* kClassPathSeparator = ":";
#endif

void useMatch(const JvmMatch& match) {
  std::string path = writeJvmFile(match);
  writeLog("Matching JVM home is " + match.home);
  writeLog("Matching JVM file is " + path);
  setStringVariable(1, match.home);
  setStringVariable(2, path);
  setNumericVariable(1, 1);
}

// The home of a chosen executable, or nothing when the file is not a Java executable that
// can be read: it must be the executable's name below a "bin" directory, exactly.
std::optional<std::string> chosenHome(const std::string& path) {
  std::string suffix = platform::kPathSeparator + std::string(kChosenExecutable);
  if (path.size() < suffix.size() ||
      path.compare(path.size() - suffix.size(), suffix.size(), suffix) != 0)
    return std::nullopt;
  if (platform::probeFileForReading(path) != platform::ProbeResult::kOpened) return std::nullopt;
  return path.substr(0, path.size() - suffix.size());
}

TagFile chosenJvmTags(const std::string& home) {
  TagFile tags;
  tags.set("JVM_HOME", home);
  tags.set("JVM_EXE", kChosenExecutable);
  tags.set("CLASSPATH", " -cp ");
  tags.set("CLASSPATH_SEPARATOR", kClassPathSeparator);
  tags.set("SYSTEM", " -D");
  tags.set("SYSTEM_SEPARATOR", "=");
  return tags;
}

// A JVM the user names is taken as it is: no verification.
void chooseByHand(const JavaExecutableChooser& choose) {
  const std::string& notFound = processState().archive.jvmNotFoundMessage;
  if (!notFound.empty()) {
    writeLog(notFound);
    messageBox(notFound);
  }
  messageBox(messageText(kMsgSelectJvm));
  std::string path = choose();
  if (path.empty()) return;
  std::optional<std::string> home = chosenHome(path);
  if (!home) {
    messageBox(messageText(kMsgSelectedFileInvalid));
    return;
  }
  writeLog("user selected JVM_HOME=" + *home);
  TagFile tags = chosenJvmTags(*home);
  useMatch(JvmMatch{*home, false, &tags});
}

}  // namespace

void doFindJvm(bool showUi, bool showFailureMessage, const JavaExecutableChooser& choose) {
  writeLog("Finding a JVM");
  if (showUi) {
    showStatus(kStatusSearching);
    showWindow();
  } else {
    hideWindowAfter(0);
  }
  setStringVariable(1, std::string());
  setStringVariable(2, std::string());
  setNumericVariable(1, 0);
  try {
    std::vector<JvmMatch> matches;
    launcherJvmSearch().findJvm(matches);
    if (!matches.empty()) {
      useMatch(matches.front());
      return;
    }
    if (showFailureMessage && !processState().cancelRequested) chooseByHand(choose);
  } catch (const LauncherException& e) {
    std::string text = messageText(kMsgSelectJvm) + " " + e.message();
    writeLog(text, kLogError);
    if (showFailureMessage) messageBox(text);
    throw LauncherException(e.message());
  }
}

void doInitializeUi() {
  showStatus(kStatusInitializing);
  showSubStatus(kSubStatusNone, std::string());
  showWindow();
}

}  // namespace vd
