#include "pack_fields.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "archive/archive_format.h"
#include "archive/entry_name.h"
#include "archive/file_index.h"

namespace vd::pack {

int64_t parseNumber(const std::string& text, int64_t minimum, int64_t maximum,
                    const std::string& what) {
  char* end = nullptr;
  errno = 0;
  long long value = text.empty() ? 0 : std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno == ERANGE || value < minimum || value > maximum)
    throw UsageError(what + " must be a number from " + std::to_string(minimum) + " to " +
                     std::to_string(maximum) + ", not \"" + text + "\"");
  return value;
}

int parseFileType(const std::string& text) {
  int byName = embeddedFileTypeByName(text);
  if (byName >= 0) return byName;
  if (!text.empty() && (text[0] == '-' || (text[0] >= '0' && text[0] <= '9')))
    return static_cast<int>(parseNumber(text, 0, kEmbeddedFileTypeCount - 1, "TYPE"));
  throw UsageError("unknown file type \"" + text + "\" (a number from 0 to " +
                   std::to_string(kEmbeddedFileTypeCount - 1) + " or a name such as JvmFile)");
}

int32_t parseFileId(const std::string& text) {
  return static_cast<int32_t>(parseNumber(text, std::numeric_limits<int32_t>::min(),
                                          std::numeric_limits<int32_t>::max(), "ID"));
}

uint8_t parseKind(const std::string& text, const std::string& what) {
  return static_cast<uint8_t>(parseNumber(text, 0, 255, what));
}

void parseCompressedSize(const std::string& text, PackFile& file) {
  size_t colon = text.find(':');
  if (colon == std::string::npos)
    throw UsageError("a compressed size wants COUNT:SIZE, not \"" + text + "\"");
  constexpr int64_t kMax = std::numeric_limits<uint32_t>::max();
  file.compressed = true;
  file.decompressedCount = static_cast<uint32_t>(parseNumber(text.substr(0, colon), 0, kMax, "COUNT"));
  file.decompressedSize = static_cast<uint32_t>(parseNumber(text.substr(colon + 1), 0, kMax, "SIZE"));
}

std::string entryNameProblem(const std::string& name) {
  if (name.size() > static_cast<size_t>(kMaxEntryNameLength))
    return "is longer than " + std::to_string(kMaxEntryNameLength) + " bytes";
  if (!isPlainFileName(name))
    return "is not a plain file name (it must not be empty, \".\" or \"..\", nor hold '\\', '/', "
           "':', a carriage return, a line feed or a NUL character)";
  return std::string();
}

}  // namespace vd::pack
