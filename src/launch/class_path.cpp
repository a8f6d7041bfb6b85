#include "launch/class_path.h"

#include "archive/embedded_files.h"
#include "instructions/text_scan.h"
#include "launch/launch_script.h"
#include "launch/side_files.h"
#include "launch/token_expansion.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/environment.h"
#include "platform/temp_files.h"

namespace vd {
namespace {

// A -cp:p or -cp:a value is one item taken literally, quoted on the command line. An option
// that was not given adds nothing: an empty item would put the current directory on the path.
void addOptionEntry(const JvmDescriptor& jvm, std::string& classPath, const std::string& option,
                    bool useEnv) {
  if (trimBlanks(option).empty()) return;
  appendClassPathItem(jvm, classPath, useEnv ? option : "\"" + option + "\"");
}

void addSideFile(const JvmDescriptor& jvm, std::string& classPath, const char* suffix) {
  appendClassPathItem(jvm, classPath, readClassPathList(jvm, sideFilePath(suffix), false));
}

std::string classPathIntoEnvironment(const JvmDescriptor& jvm, const std::string& classPath) {
  std::string name = jvm.value("CP_ENV_VAR");
  if (name.empty()) {
    writeLog("If USE_CP_ENV_VAR is set to 1 in the jvm file, then the jvm file should also "
             "define CP_ENV_VAR.",
             kLogError);
    return std::string();
  }
  platform::setEnvironmentVariable(name, classPath);
  writeLog("Set env var " + name + " to " + classPath + "\n");
  return std::string();
}

}  // namespace

void appendClassPathItem(const JvmDescriptor& jvm, std::string& classPath,
                         const std::string& item) {
  if (item.empty()) return;
  if (!classPath.empty()) classPath += jvm.value("CLASSPATH_SEPARATOR");
  classPath += item;
}

void addClassPathEntry(const JvmDescriptor& jvm, std::string& classPath,
                       const std::string& value) {
  std::string trimmed = trimBlanks(value);
  if (trimmed.empty()) return;
  if (trimmed[0] == '@')
    appendClassPathItem(jvm, classPath, readClassPathList(jvm, trimmed.substr(1), true));
  else
    appendClassPathItem(jvm, classPath, trimmed);
}

std::string readClassPathList(const JvmDescriptor& jvm, const std::string& path,
                              bool warnIfMissing) {
  std::string classPath;
  std::optional<std::vector<std::string>> lines = readTrimmedLines(path);
  if (!lines) {
    if (warnIfMissing)
      writeLog("Could not find the file " + path + " while building the classpath.", kLogWarning);
    return classPath;
  }
  for (const std::string& line : *lines) appendClassPathItem(jvm, classPath, line);
  return classPath;
}

std::string classPathArchives(const LaunchScript& script, bool quote) {
  std::string classPath;
  if (!script.includeClassPathArchives()) return classPath;
  std::string directory = createTempDirectory();
  const LauncherArchive& archive = processState().archive;
  for (int i = 0; i < archive.entryCount(); ++i) {
    const FileIndexEntry* entry = archive.entryAt(i);
    if (!entry || entry->type != ClassPathArchive) continue;
    std::string path = extractEntry(*entry, directory);
    appendClassPathItem(script.currentJvm(), classPath, quote ? "\"" + path + "\"" : path);
  }
  return classPath;
}

std::string stripQuotes(const std::string& text) {
  std::string result = text;
  if (!result.empty() && result.front() == '"') result.erase(0, 1);
  if (!result.empty() && result.back() == '"') result.pop_back();
  return result;
}

std::string classPathFunction(const LaunchScript& script, const std::vector<std::string>& args) {
  const JvmDescriptor& jvm = script.currentJvm();
  const LauncherSettings& settings = processState().settings;
  bool useEnv = jvm.value("USE_CP_ENV_VAR") == "1";
  auto unquotedForEnv = [&](const std::string& text) { return useEnv ? stripQuotes(text) : text; };

  std::string cp;
  addOptionEntry(jvm, cp, settings.classPathPrepend, useEnv);
  addSideFile(jvm, cp, ".cp1");
  appendClassPathItem(jvm, cp, jvm.value("JVM_CLASSPATH"));
  addSideFile(jvm, cp, ".cp");
  for (const std::string& arg : args) appendClassPathItem(jvm, cp, unquotedForEnv(arg));
  appendClassPathItem(jvm, cp, unquotedForEnv(expandTokens(script.archive(), '%', script)));
  appendClassPathItem(jvm, cp, classPathArchives(script, !useEnv));
  addSideFile(jvm, cp, ".cp2");
  addOptionEntry(jvm, cp, settings.classPathAppend, useEnv);

  if (useEnv) return classPathIntoEnvironment(jvm, cp);
  return cp.empty() ? std::string() : jvm.value("CLASSPATH") + cp;
}

}  // namespace vd
