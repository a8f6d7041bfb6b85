#pragma once
// The package of the JVM installer: the installer stub followed by a runtime's files in the
// launcher archive's layout (the bytes back to back, the file index, the trailer). In its
// index an entry's type says what the entry is, its name is the path below the destination
// with "/" between the components, and its file id is the CRC-32 of its bytes.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vd {

enum RuntimeEntryKind : int {
  kRuntimeFile = 0,
  kRuntimeExecutable = 1,  // a file that gets the executable bits where the system has them
  kRuntimeDirectory = 2,   // no bytes; for directories that would otherwise not be made
  kRuntimeJvmFile = 3,     // the jvm file, written last so that it marks a finished install
};
inline constexpr int kRuntimeEntryKindCount = 4;
// The one name the jvm file has, at the top of the destination.
inline constexpr const char* kRuntimeJvmFileName = "jvm";

// Why `name` cannot be an entry's path, or empty when it can: it must be relative and stay
// below the destination, each component a plain file name (no "..", no drive, no "\").
std::string runtimePathProblem(const std::string& name);

// Continues a CRC-32 (the one of zip and PNG) over `size` more bytes; start with 0.
uint32_t updateCrc32(uint32_t crc, const void* bytes, size_t size);

}  // namespace vd
