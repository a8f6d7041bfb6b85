#include "platform/file_chooser.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

namespace vd::platform {

std::string chooseFileToOpen(const std::string& pattern) {
  // Description and pattern, each ended by a NUL, and one more NUL after the last pair.
  std::string filter = pattern + '\0' + pattern + '\0';
  std::vector<char> file(MAX_PATH, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = nullptr;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameA(&dialog)) return std::string();
  return std::string(file.data());
}

}  // namespace vd::platform
