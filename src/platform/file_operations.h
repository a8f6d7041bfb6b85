#pragma once
// Single-path file system operations. A failed call leaves the system's code in lastErrorCode().
#include <cstdint>
#include <string>

namespace vd::platform {

enum class PathKind {
  kMissing,
  kFile,  // also a symbolic link, which is never followed
  kDirectory,
  kDirectoryLink,  // a junction or directory link: removed as a directory, never entered
};

struct PathInfo {
  PathKind kind = PathKind::kMissing;
  bool readOnly = false;
};

// What the path itself is, without following a link.
PathInfo pathInfo(const std::string& path);
// Whether the path names a directory, following links.
bool isDirectory(const std::string& path);

bool clearReadOnly(const std::string& path);
bool createDirectory(const std::string& path);
bool removeFile(const std::string& path);
bool removeDirectory(const std::string& path);

// Opening a file for reading, alone, to learn whether it is there.
enum class ProbeResult { kOpened, kMissing, kInUse, kFailed };
ProbeResult probeFileForReading(const std::string& path);

// The system's short form of an existing path (the path itself where there is no short form);
// empty when the path does not exist.
std::string systemShortPath(const std::string& path);

}  // namespace vd::platform
