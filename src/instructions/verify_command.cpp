// VERIFY, and the verification of one jvm file shared with the VERIFY_JVM input-file action.
#include "instructions/jvm_command_bodies.h"
#include "instructions/variable_store.h"
#include "jvm/launcher_jvm_search.h"
#include "launcher/exceptions.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "ui/status.h"

namespace vd {
namespace {

TagFile& jvmFileContent(int32_t fileId) {
  const FileIndexEntry* entry = processState().archive.entryById(fileId);
  std::string id = std::to_string(fileId);
  if (!entry)
    throw LauncherException("Cannot verify jvm file at index " + id + " because it does not exist.");
  if (entry->type != JvmFile)
    throw LauncherException("To verify a JVM, use an index of a jvm file. The index passed in was " +
                            id + " which corresponds to the file named " + entry->name);
  if (!entry->content)
    throw LauncherException("The jvm file with file id " + id + " could not be read.");
  return *entry->content;
}

}  // namespace

void doVerify(bool showUi, bool showFailureMessage, int32_t jvmFileId) {
  if (showUi) {
    showStatus(kStatusSearching);
    showWindow();
  } else {
    hideWindowAfter(0);
  }
  // The entry's tags take the verified home, for a later ILAUNCH of the same file.
  TagFile& tags = jvmFileContent(jvmFileId);
  std::string javaHome = processState().settings.javaHome;
  verifyJvmFile(showUi, showFailureMessage, tags, javaHome);
}

void verifyJvmFile(bool showUi, bool showFailureMessage, TagFile& tags,
                   const std::string& javaHome) {
  setNumericVariable(1, 0);
  if (showUi) showSubStatus(kSubStatusVerifying, tags.get("DESC"));
  JvmDescriptor jvm(tags);
  std::string classPath, className;
  launcherJvmSearch().getVerification(classPath, className);
  std::optional<JvmMatch> match;
  if (javaHome.empty()) {
    match = jvm.verifyDeclaredHome([&](JvmDescriptor& d, const std::string& home) {
      return d.verifyCandidate(home, classPath, className);
    });
  } else {
    match = jvm.verifyCandidate(javaHome, classPath, className);
  }
  if (jvm.tags().count("JVM_HOME") > 0) tags.set("JVM_HOME", jvm.value("JVM_HOME"));
  if (!match) {
    if (showFailureMessage) messageBox(messageText(kMsgInvalidJvm));
    writeLog("In VERIFY, the jvm is invalid.");
    return;
  }
  setStringVariable(1, tags.get("JVM_HOME"));
  setNumericVariable(1, 1);
  writeLog("After VERIFY, the jvm home is " + getStringVariable(1));
}

}  // namespace vd
