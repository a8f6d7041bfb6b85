#include "archive/runtime_installation.h"

#include "archive/runtime_package.h"
#include "launcher/exceptions.h"
#include "platform/executable_mode.h"
#include "platform/file_operations.h"
#include "platform/files.h"
#include "platform/path.h"

namespace vd {
namespace {

// The entry's path below the destination, with this system's separator.
std::string targetPath(const std::string& destination, std::string name) {
  for (char& c : name)
    if (c == '/') c = platform::kPathSeparator;
  return platform::joinPath(destination, name);
}

void makeDirectory(const std::string& path) {
  if (!platform::isDirectory(path) && !platform::createDirectory(path))
    throw LauncherException("Cannot create the directory " + path + ".");
}

// Every directory above the entry, top first.
void makeParents(const std::string& destination, const std::string& name) {
  for (size_t slash = name.find('/'); slash != std::string::npos;
       slash = name.find('/', slash + 1))
    makeDirectory(targetPath(destination, name.substr(0, slash)));
}

void writeFile(const RuntimePackage& package, const FileIndexEntry& entry,
               const std::string& path) {
  platform::UniqueFile out = platform::openFile(path, "wb");
  if (!out) throw LauncherException("Cannot create " + path + ".");
  readEntryChunks(package.file.get(), entry, [&](const char* bytes, size_t size) {
    if (std::fwrite(bytes, 1, size, out.get()) != size)
      throw LauncherException("Cannot write " + path + ".");
  });
  if (std::fclose(out.release()) != 0) throw LauncherException("Cannot write " + path + ".");
  if (entry.type == kRuntimeExecutable && !platform::makeExecutable(path))
    throw LauncherException("Cannot make " + path + " executable.");
}

void installEntry(const RuntimePackage& package, const FileIndexEntry& entry,
                  const std::string& destination) {
  makeParents(destination, entry.name);
  std::string path = targetPath(destination, entry.name);
  if (entry.type == kRuntimeDirectory)
    makeDirectory(path);
  else
    writeFile(package, entry, path);
}

}  // namespace

int installRuntime(const RuntimePackage& package, const std::string& destination) {
  int written = 0;
  for (const FileIndexEntry& entry : package.entries) {
    if (&entry == package.jvmFile) continue;
    installEntry(package, entry, destination);
    ++written;
  }
  installEntry(package, *package.jvmFile, destination);
  return written + 1;
}

void installRuntimePackage(const std::string& packagePath, const std::string& destination) {
  RuntimePackage package = openRuntimePackage(packagePath);
  checkRuntimeChecksums(package);
  if (!destination.empty()) makeDirectory(destination);
  installRuntime(package, destination);
}

}  // namespace vd
