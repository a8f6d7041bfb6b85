#pragma once
// Deletions that the Windows 9x family carries out at the next start, from the [Rename]
// section of WinInit.Ini.
#include <cstdint>
#include <string>
#include <vector>

namespace vd {

class WinInitRenameList {
 public:
  explicit WinInitRenameList(std::string iniPath);
  virtual ~WinInitRenameList() = default;

  // Adds the line "NUL=" + the short form of `path`.
  void addDeletion(const std::string& path);
  // Adds the lines to the [Rename] section of the file, creating both when missing. Returns 0,
  // and clears the list, on success; otherwise the system's error code.
  uint32_t write();

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::string iniPath_;
  std::vector<std::string> lines_;
};

// The Windows directory followed by "\WinInit.Ini".
std::string defaultWinInitPath();

// `text` with `lines` inserted directly under its "[Rename]" header, or with the header and the
// lines appended when it has none. The search ends at the first NUL byte.
std::string insertRenameLines(const std::string& text, const std::vector<std::string>& lines);

}  // namespace vd
