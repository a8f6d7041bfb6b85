#include "platform/wininit_rename_list.h"

#include <cstring>

#include "platform/files.h"
#include "platform/path_queries.h"
#include "platform/self_removal.h"
#include "platform/system_error.h"

namespace vd {
namespace {

constexpr const char kHeader[] = "[Rename]";
// A failed call that left no code of its own still must not read as success.
constexpr uint32_t kGeneralFailure = 31;

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

uint32_t lastFailure() {
  uint32_t code = platform::lastErrorCode();
  return code != 0 ? code : kGeneralFailure;
}

platform::UniqueFile openOrCreate(const std::string& path) {
  platform::UniqueFile file = platform::openFile(path, "r+b");
  if (!file) file = platform::openFile(path, "w+b");
  return file;
}

bool readAll(std::FILE* file, std::string& text) {
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  return !std::ferror(file);
}

}  // namespace

WinInitRenameList::WinInitRenameList(std::string iniPath) : iniPath_(std::move(iniPath)) {}

void WinInitRenameList::addDeletion(const std::string& path) {
  lines_.push_back("NUL=" + shortPathName(path));
}

// The file only grows: the new text is the old one with lines inserted.
uint32_t WinInitRenameList::write() {
  if (lines_.empty()) return 0;
  platform::UniqueFile file = openOrCreate(iniPath_);
  if (!file) return lastFailure();
  std::string text;
  if (!readAll(file.get(), text)) return lastFailure();
  std::string updated = insertRenameLines(text, lines_);
  if (!platform::seekFile(file.get(), 0, SEEK_SET) ||
      std::fwrite(updated.data(), 1, updated.size(), file.get()) != updated.size() ||
      std::fflush(file.get()) != 0)
    return lastFailure();
  lines_.clear();
  return 0;
}

std::string defaultWinInitPath() { return platform::windowsDirectory() + "\\WinInit.Ini"; }

std::string insertRenameLines(const std::string& text, const std::vector<std::string>& lines) {
  const std::string added = joinedLines(lines);
  const std::string searchable = text.substr(0, text.find('\0'));
  size_t header = searchable.find(kHeader);
  if (header == std::string::npos) {
    // A last line without its line end would swallow the header.
    bool needsLineEnd = !text.empty() && text.back() != '\n';
    return text + (needsLineEnd ? "\n" : "") + kHeader + "\n" + added;
  }
  size_t afterHeader = header + std::strlen(kHeader);
  size_t lineEnd = searchable.find('\n', afterHeader);
  if (lineEnd == std::string::npos)
    return text.substr(0, afterHeader) + "\n" + added + text.substr(afterHeader);
  return text.substr(0, lineEnd + 1) + added + text.substr(lineEnd + 1);
}

}  // namespace vd
