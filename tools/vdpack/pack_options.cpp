#include <cerrno>
#include <cstdlib>
#include <limits>

#include "archive/archive_format.h"
#include "archive/file_index.h"
#include "pack_plan.h"

namespace vd::pack {
namespace {

// A whole decimal number in [minimum, maximum].
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

int parseType(const std::string& text) {
  int byName = embeddedFileTypeByName(text);
  if (byName >= 0) return byName;
  return static_cast<int>(parseNumber(text, 0, kEmbeddedFileTypeCount - 1, "TYPE"));
}

std::string baseName(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A colon that belongs to a drive ("C:\dir") is part of the path, not the name separator.
bool isDriveColon(const std::string& rest, size_t colon) {
  return colon == 1 && rest.size() > 2 && (rest[2] == '\\' || rest[2] == '/');
}

// TYPE:ID:PATH[:NAME]
PackFile parseFileSpec(const std::string& spec) {
  size_t first = spec.find(':');
  size_t second = first == std::string::npos ? first : spec.find(':', first + 1);
  if (second == std::string::npos)
    throw UsageError("--file wants TYPE:ID:PATH[:NAME], not \"" + spec + "\"");
  PackFile file;
  file.type = parseType(spec.substr(0, first));
  file.fileId = static_cast<int32_t>(parseNumber(spec.substr(first + 1, second - first - 1),
                                                 std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max(), "ID"));
  std::string rest = spec.substr(second + 1);
  size_t colon = rest.rfind(':');
  if (colon != std::string::npos && !isDriveColon(rest, colon)) {
    file.path = rest.substr(0, colon);
    file.name = rest.substr(colon + 1);
  } else {
    file.path = rest;
    file.name = baseName(rest);
  }
  if (file.path.empty()) throw UsageError("--file \"" + spec + "\" names no file");
  std::string problem = entryNameProblem(file.name);
  if (!problem.empty())
    throw UsageError("the entry name \"" + file.name + "\" of --file " + spec + " " + problem);
  return file;
}

void parseCompressed(const std::string& value, PackPlan& plan) {
  if (plan.files.empty()) throw UsageError("--compressed must follow the --file it describes");
  size_t colon = value.find(':');
  if (colon == std::string::npos) throw UsageError("--compressed wants COUNT:SIZE");
  constexpr int64_t kMax = std::numeric_limits<uint32_t>::max();
  PackFile& file = plan.files.back();
  file.compressed = true;
  file.decompressedCount =
      static_cast<uint32_t>(parseNumber(value.substr(0, colon), 0, kMax, "COUNT"));
  file.decompressedSize =
      static_cast<uint32_t>(parseNumber(value.substr(colon + 1), 0, kMax, "SIZE"));
}

bool isBuildOption(const std::string& option) {
  for (const char* known : {"--stub", "--out", "--kind", "--file", "--compressed", "--tail"})
    if (option == known) return true;
  return false;
}

}  // namespace

std::string entryNameProblem(const std::string& name) {
  if (name.empty()) return "is empty";
  if (name.size() > static_cast<size_t>(kMaxEntryNameLength))
    return "is longer than " + std::to_string(kMaxEntryNameLength) + " bytes";
  if (name == "." || name == "..") return "is not a file name";
  if (name.find_first_of(std::string("\\/\n\0", 4)) != std::string::npos)
    return "holds a path separator, a line feed or a NUL character";
  return std::string();
}

PackPlan parseBuildOptions(const std::vector<std::string>& args) {
  PackPlan plan;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (!isBuildOption(option)) throw UsageError("unknown option " + option + " (see vdpack --help)");
    if (i + 1 >= args.size()) throw UsageError(option + " needs a value (see vdpack --help)");
    const std::string& value = args[++i];
    if (option == "--stub") {
      plan.stub = value;
    } else if (option == "--out") {
      plan.out = value;
    } else if (option == "--kind") {
      plan.kind = static_cast<uint8_t>(parseNumber(value, 0, 255, "--kind"));
    } else if (option == "--file") {
      plan.files.push_back(parseFileSpec(value));
    } else if (option == "--compressed") {
      parseCompressed(value, plan);
    } else {
      plan.tailBytes = static_cast<uint64_t>(parseNumber(value, 0, 1ll << 32, "--tail"));
    }
  }
  if (plan.stub.empty() || plan.out.empty()) throw UsageError("build needs --stub and --out");
  return plan;
}

}  // namespace vd::pack
