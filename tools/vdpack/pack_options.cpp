#include "manifest.h"
#include "pack_fields.h"
#include "pack_paths.h"
#include "pack_plan.h"
#include "stub_locator.h"

namespace vd::pack {
namespace {

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
  file.type = parseFileType(spec.substr(0, first));
  file.fileId = parseFileId(spec.substr(first + 1, second - first - 1));
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

bool isBuildOption(const std::string& option) {
  for (const char* known : {"--stub", "--out", "--kind", "--file", "--compressed", "--tail"})
    if (option == known) return true;
  return false;
}

// The options after the manifest (if any) change or extend what it describes.
void applyOption(const std::string& option, const std::string& value, bool& fileGiven,
                 PackPlan& plan) {
  if (option == "--stub") {
    plan.stub = resolveStub(value, std::string());
  } else if (option == "--out") {
    plan.out = value;
  } else if (option == "--kind") {
    plan.kind = parseKind(value, "--kind");
  } else if (option == "--file") {
    plan.files.push_back(parseFileSpec(value));
    fileGiven = true;
  } else if (option == "--compressed") {
    if (!fileGiven) throw UsageError("--compressed must follow the --file it describes");
    parseCompressedSize(value, plan.files.back());
  } else {
    plan.tailBytes = static_cast<uint64_t>(parseNumber(value, 0, 1ll << 32, "--tail"));
  }
}

}  // namespace

PackPlan parseBuildOptions(const std::vector<std::string>& args) {
  PackPlan plan;
  size_t i = 0;
  std::string manifest;
  if (!args.empty() && args[0].rfind("--", 0) != 0) {
    manifest = args[i++];
    plan = readManifest(manifest);
  }
  bool fileGiven = false;
  for (; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (!isBuildOption(option)) throw UsageError("unknown option " + option + " (see vdpack --help)");
    if (i + 1 >= args.size()) throw UsageError(option + " needs a value (see vdpack --help)");
    applyOption(option, args[++i], fileGiven, plan);
  }
  if (manifest.empty() && (plan.stub.empty() || plan.out.empty()))
    throw UsageError("build needs a MANIFEST, or --stub and --out");
  if (plan.stub.empty()) throw UsageError(manifest + ": no STUB (nor --stub): the launcher to start from");
  if (plan.out.empty()) throw UsageError(manifest + ": no OUT (nor --out): the file to write");
  return plan;
}

}  // namespace vd::pack
