// Test helper for Wine: waits for a message box (or dialog) of another process, prints its
// caption and static texts, then presses OK. Usage: boxwatch [seconds]. Exit code 1 on timeout.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

BOOL CALLBACK printChild(HWND child, LPARAM) {
  char cls[64] = {};
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") != 0) return TRUE;
  char text[4096] = {};
  GetWindowTextA(child, text, sizeof text);
  if (text[0]) std::printf("%s\n", text);
  return TRUE;
}

// The launcher's progress dialog is a dialog too, hidden most of the time: a box is a visible
// dialog without a progress bar.
HWND findBox() {
  for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
       w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
    if (IsWindowVisible(w) && !FindWindowExA(w, nullptr, "msctls_progress32", nullptr)) return w;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
  for (int tick = 0; tick < seconds * 10; ++tick) {
    HWND box = findBox();
    if (box) {
      Sleep(200);  // let the box finish creating its controls
      char caption[512] = {};
      GetWindowTextA(box, caption, sizeof caption);
      std::printf("caption: %s\n", caption);
      EnumChildWindows(box, printChild, 0);
      std::fflush(stdout);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      return 0;
    }
    Sleep(100);
  }
  std::printf("no message box\n");
  return 1;
}
