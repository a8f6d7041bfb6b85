#include "platform/file_operations.h"

#include <windows.h>

#include <vector>

namespace vd::platform {

PathInfo pathInfo(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathInfo{};
  PathInfo info;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY)
    info.kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? PathKind::kDirectoryLink
                                                            : PathKind::kDirectory;
  else
    info.kind = PathKind::kFile;
  info.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  return info;
}

bool isDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool clearReadOnly(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  return SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) != 0;
}

bool createDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr); }
bool removeFile(const std::string& path) { return DeleteFileA(path.c_str()); }
bool removeDirectory(const std::string& path) { return RemoveDirectoryA(path.c_str()); }

ProbeResult probeFileForReading(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return ProbeResult::kOpened;
  }
  DWORD code = GetLastError();
  if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return ProbeResult::kMissing;
  if (code == ERROR_SHARING_VIOLATION) return ProbeResult::kInUse;
  return ProbeResult::kFailed;
}

std::string systemShortPath(const std::string& path) {
  DWORD needed = GetShortPathNameA(path.c_str(), nullptr, 0);
  if (needed == 0) return std::string();
  std::vector<char> buffer(needed + 1, '\0');
  DWORD length = GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return std::string();
  return std::string(buffer.data(), length);
}

}  // namespace vd::platform
