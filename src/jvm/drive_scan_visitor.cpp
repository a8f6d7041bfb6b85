#include "jvm/drive_scan_visitor.h"

#include <cctype>
#include <string_view>

#include "platform/path.h"
#include "platform/scan_exclusions.h"

namespace vd {
namespace {

constexpr std::string_view kRecycleName = "RECYCLE";

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string withSeparator(const std::string& dir) {
  if (!dir.empty() && dir.back() == platform::kPathSeparator) return dir;
  return dir + platform::kPathSeparator;
}

}  // namespace

bool endsWithPathName(const std::string& path, const std::string& name) {
  if (path.size() < name.size()) return false;
  size_t start = path.size() - name.size();
  if (!equalIgnoringCase(std::string_view(path).substr(start), name)) return false;
  return start == 0 || path[start - 1] == platform::kPathSeparator;
}

DriveScanVisitor::DriveScanVisitor(const std::vector<std::string>& exeNames,
                                   CandidateFileSink& sink, const std::string& tempDir)
    : DirectoryWalker(true), exeNames_(exeNames), sink_(sink), tempDir_(withSeparator(tempDir)) {}

bool DriveScanVisitor::onFile(const std::string& path) {
  for (const std::string& name : exeNames_)
    if (endsWithPathName(path, name) && sink_.onCandidateFile(path)) return true;
  return false;
}

bool DriveScanVisitor::skipDirectory(const std::string& dir) {
  return equalIgnoringCase(dir, tempDir_) || isRecycleBin(dir) ||
         platform::isSystemPseudoDirectory(dir);
}

// X:\RECYCLER\, X:\RECYCLED\ and any other root directory whose name starts that way.
bool DriveScanVisitor::isRecycleBin(const std::string& dir) const {
  if (dir.size() < kRecycleName.size() + 2 || dir[1] != ':') return false;
  std::string_view rest = std::string_view(dir).substr(3);
  return rest.size() >= kRecycleName.size() &&
         equalIgnoringCase(rest.substr(0, kRecycleName.size()), kRecycleName);
}

}  // namespace vd
