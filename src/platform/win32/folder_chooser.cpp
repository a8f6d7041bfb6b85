#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "launcher/text.h"
#include "platform/win32/progress_window_ids.h"
#include "platform/win32/win32_progress_ui.h"

namespace vd::platform {
namespace {

std::string pathOfItem(LPITEMIDLIST item) {
  char path[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(item, path)) return std::string();
  return path;
}

void freeItem(LPITEMIDLIST item) {
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
    allocator->Free(item);
    allocator->Release();
  }
}

}  // namespace

// Runs modally on the worker thread, owned by the dialog; empty when cancelled or when the
// chosen folder has no file-system path.
std::string Win32ProgressUi::chooseFolder() {
  HRESULT initialised = CoInitialize(nullptr);
  std::string title = resourceText(kFolderChooserTitleResource);
  BROWSEINFOA browse{};
  browse.hwndOwner = dialog_;
  browse.pidlRoot = nullptr;  // the desktop
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_DONTGOBELOWDOMAIN;
  std::string path;
  if (LPITEMIDLIST item = SHBrowseForFolderA(&browse)) {
    path = pathOfItem(item);
    freeItem(item);
  }
  if (SUCCEEDED(initialised)) CoUninitialize();
  return path;
}

}  // namespace vd::platform
