#include <algorithm>
#include <vector>

#include "archive/runtime_package.h"
#include "archive/tag_file.h"
#include "jre_pack.h"
#include "launcher/exceptions.h"
#include "pack_plan.h"
#include "pack_writer.h"
#include "platform/directory_listing.h"
#include "platform/executable_mode.h"
#include "platform/file_operations.h"
#include "platform/files.h"
#include "platform/path.h"

namespace vd::pack {
namespace {

uint32_t fileCrc32(const std::string& path, uint64_t& size) {
  platform::UniqueFile in = platform::openFile(path, "rb");
  if (!in) throw LauncherException("cannot open " + path);
  std::vector<char> buffer(1 << 20);
  uint32_t crc = 0;
  while (size_t got = std::fread(buffer.data(), 1, buffer.size(), in.get())) {
    crc = updateCrc32(crc, buffer.data(), got);
    size += got;
  }
  if (std::ferror(in.get())) throw LauncherException("cannot read " + path);
  return crc;
}

// The names in one directory, sorted so that the same tree always gives the same installer.
std::vector<platform::DirectoryEntry> sortedListing(const std::string& directory) {
  platform::DirectoryListing listing(platform::joinPath(directory, ""));
  if (!listing.isOpen()) throw LauncherException("cannot list " + directory);
  std::vector<platform::DirectoryEntry> entries;
  platform::DirectoryEntry entry;
  platform::DirectoryListing::Step step;
  while ((step = listing.next(entry)) == platform::DirectoryListing::Step::kEntry)
    if (entry.name != "." && entry.name != "..") entries.push_back(entry);
  if (step == platform::DirectoryListing::Step::kError)
    throw LauncherException("cannot list " + directory);
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  return entries;
}

// Every directory (before what it holds) and file below `directory`; `prefix` is the
// directory's path in the package, empty or ending with "/".
void collectTree(const std::string& directory, const std::string& prefix, JreSummary& summary,
                 std::vector<PackFile>& files) {
  for (const platform::DirectoryEntry& found : sortedListing(directory)) {
    PackFile file;
    file.name = prefix + found.name;
    std::string problem = runtimePathProblem(file.name);
    if (!problem.empty())
      throw LauncherException("the runtime holds " + file.name + ", whose name " + problem);
    std::string path = platform::joinPath(directory, found.name);
    if (found.directory) {
      file.type = kRuntimeDirectory;
      files.push_back(file);
      collectTree(path, file.name + "/", summary, files);
    } else {
      file.path = path;
      file.type = platform::isExecutableFile(path) ? kRuntimeExecutable : kRuntimeFile;
      file.fileId = static_cast<int32_t>(fileCrc32(path, summary.bytes));
      files.push_back(file);
    }
  }
}

// The launcher starts JVM_EXE below the installed home; a jvm file naming a file that the
// runtime does not hold would install a JVM that cannot run.
void checkJvmFile(const std::string& jvmFile, const std::vector<PackFile>& files) {
  TagFile tags(jvmFile);
  std::string exe = tags.get("JVM_EXE");
  if (exe.empty()) throw LauncherException(jvmFile + " has no JVM_EXE");
  std::replace(exe.begin(), exe.end(), '\\', '/');
  for (const PackFile& file : files)
    if (file.name == exe && file.type != kRuntimeDirectory) return;
  throw LauncherException(jvmFile + ": JVM_EXE " + tags.get("JVM_EXE") +
                          " is not a file of the runtime");
}

}  // namespace

JreSummary writeJreInstaller(const JrePlan& plan) {
  if (!platform::isDirectory(plan.runtime))
    throw LauncherException(plan.runtime + " is not a directory");
  PackPlan pack;
  pack.stub = plan.stub.empty() ? defaultJreStub() : plan.stub;
  pack.out = plan.out;
  JreSummary summary;
  collectTree(plan.runtime, std::string(), summary, pack.files);
  for (const PackFile& file : pack.files)
    if (file.name == kRuntimeJvmFileName)
      throw LauncherException("the runtime holds " + file.name +
                              " at its top, where the installer writes the jvm file");
  checkJvmFile(plan.jvmFile, pack.files);
  PackFile jvm;
  jvm.type = kRuntimeJvmFile;
  jvm.name = kRuntimeJvmFileName;
  jvm.path = plan.jvmFile;
  jvm.fileId = static_cast<int32_t>(fileCrc32(plan.jvmFile, summary.bytes));
  pack.files.push_back(jvm);
  summary.entries = static_cast<uint32_t>(pack.files.size());
  writeLauncher(pack);
  return summary;
}

}  // namespace vd::pack
