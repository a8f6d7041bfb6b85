#include "platform/java_chooser.h"

#include <windows.h>
#include <commdlg.h>

namespace vd::platform {

std::string chooseJavaExecutable() {
  char path[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = nullptr;
  dialog.lpstrFilter = "*.exe\0*.exe\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameA(&dialog)) return std::string();
  return path;
}

}  // namespace vd::platform
