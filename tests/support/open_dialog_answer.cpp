// Test helper for Wine: waits for an open-file dialog of another process, types a file name
// into it and presses OK; with "-" it presses Cancel. Prints the dialog's caption.
// Usage: open_dialog_answer SECONDS PATH|-   Exit code 1 when no dialog appeared.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The file name box: edt1 in the old-style dialog, the edit inside cmb13 in the explorer one.
constexpr int kFileNameEdit = 0x480;
constexpr int kFileNameCombo = 0x47c;

BOOL CALLBACK findEdit(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, "Edit") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The combo box nests its edit one or two levels down (ComboBoxEx32, ComboBox, Edit).
HWND fileNameBox(HWND dialog) {
  if (HWND edit = GetDlgItem(dialog, kFileNameEdit)) return edit;
  HWND combo = GetDlgItem(dialog, kFileNameCombo);
  if (!combo) return nullptr;
  HWND edit = nullptr;
  EnumChildWindows(combo, findEdit, reinterpret_cast<LPARAM>(&edit));
  return edit;
}

// A visible dialog that has a file name box (the launcher's progress dialog has none).
HWND findDialog() {
  for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
       w = FindWindowExA(nullptr, w, "#32770", nullptr))
    if (IsWindowVisible(w) && fileNameBox(w)) return w;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: open_dialog_answer SECONDS PATH|-\n");
    return 2;
  }
  int tenths = std::atoi(argv[1]) * 10;
  HWND dialog = nullptr;
  for (int i = 0; i < tenths && !(dialog = findDialog()); ++i) Sleep(100);
  if (!dialog) return 1;
  char caption[256] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  std::printf("dialog: %s\n", caption);
  std::fflush(stdout);
  if (std::strcmp(argv[2], "-") == 0) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
  SendMessageA(fileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  return 0;
}
