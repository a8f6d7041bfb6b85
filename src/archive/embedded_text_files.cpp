// Loading the text files: out of the open launcher stream, or from the paths an input file names.
#include "archive/embedded_files.h"
#include "instructions/interpreter.h"
#include "launcher/exceptions.h"
#include "ui/status.h"

namespace vd {
namespace {

void useInstructions(LauncherArchive& archive, const TagFile& tags) {
  if (archive.program) return;
  archive.program = std::make_unique<InstructionInterpreter>(tags);
  archive.instructionsFile = &tags;
}

void useLaunchScript(LauncherArchive& archive, const TagFile& tags) {
  if (archive.launchScriptFile) return;
  archive.launchScriptFile = &tags;
  showProductTitle();
}

void loadEntryContent(LauncherArchive& archive, FileIndexEntry& entry, std::FILE* launcher) {
  entry.content = std::make_unique<TagFile>();
  entry.content->parse(launcher, entry.name, entry.offset, entry.length);
  const TagFile& tags = *entry.content;
  switch (entry.type) {
    case Instructions:
      withContext(messageText(kMsgLoadInstructions), [&] { useInstructions(archive, tags); });
      break;
    case JvmFile:
      if (!archive.jvmListSupplied)
        withContext(messageText(kMsgLoadJvmFile), [&] { archive.jvmFiles.push_back(&tags); });
      break;
    case LaunchScriptFile:
      withContext(messageText(kMsgLoadLaunchScript), [&] { useLaunchScript(archive, tags); });
      break;
    case JvmMessage:
      archive.jvmNotFoundMessage = tags.get("MESSAGE");
      break;
  }
}

}  // namespace

void loadEmbeddedTextFiles(LauncherArchive& archive, std::FILE* launcher) {
  for (FileIndexEntry& entry : archive.entries_)
    if (isEmbeddedTextFile(entry.type)) loadEntryContent(archive, entry, launcher);
  archive.jvmListSupplied = true;
}

const TagFile& loadTagFile(LauncherArchive& archive, const std::string& path) {
  archive.loadedTagFiles.push_back(std::make_unique<TagFile>(path));
  return *archive.loadedTagFiles.back();
}

void loadNamedFiles(LauncherArchive& archive, const TagFile& inputFile) {
  std::string instructions = inputFile.get("INSTRUCTIONS");
  if (!instructions.empty())
    withContext(messageText(kMsgLoadInstructions),
                [&] { useInstructions(archive, loadTagFile(archive, instructions)); });
  std::string launchScript = inputFile.get("LAUNCHSCRIPT");
  if (!launchScript.empty())
    withContext(messageText(kMsgLoadLaunchScript),
                [&] { useLaunchScript(archive, loadTagFile(archive, launchScript)); });
  std::string classPath = inputFile.get("VERIFY_CLASSPATH");
  std::string className = inputFile.get("VERIFY_CLASS_NAME");
  if (!classPath.empty() && !className.empty()) {
    archive.verifyClassPath = classPath;
    archive.verifyClassName = className;
  }
  if (!inputFile.get("UI_TITLE").empty()) showProductTitle();
  for (const std::string& jvm : inputFile.values("JVM")) {
    archive.jvmListSupplied = true;
    if (jvm.empty()) continue;
    withContext(messageText(kMsgLoadJvmFile),
                [&] { archive.jvmFiles.push_back(&loadTagFile(archive, jvm)); });
  }
}

}  // namespace vd
