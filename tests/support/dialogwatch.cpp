// Test helper for Wine: waits for the launcher's progress dialog (a dialog holding a
// msctls_progress32 control 1001) to be shown by another process and reports it in UTF-8:
//   caption: TEXT / rtl: 0|1 / size: W x H (pixels)
//   control ID CLASS visible=0|1 at X,Y size W x H text=TEXT   (one line per control)
// Options, run in order after the report:
//   --bar N          N samples of the bar position, 100 ms apart: "bar: P1 P2 ..."
//   --close          sends a close request, then reports "after close: exists=E visible=V"
//   --until-hidden S waits up to S seconds for the dialog to hide: "hidden: 1|0"
//   --sleep MS       waits MS milliseconds (time for a screenshot)
//   --end-session    sends the end-of-session notice to the launcher's hidden main window
//   --close-main     sends a close request to the hidden main window
//   --touch PATH     creates the file PATH (to release a waiting uidemo)
// Usage: dialogwatch SECONDS [options]. Exit code 1 when no dialog appeared.
// dialogwatch --box SECONDS [HOLD_MS]: waits for a message box instead (a visible dialog
// without a progress bar), prints "caption: TEXT" and its static texts in UTF-8, waits HOLD_MS
// and presses OK.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string utf8(const std::wstring& wide) {
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, out.data(), size, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

// WM_GETTEXT reads the text of another process's control; GetWindowText would not.
std::string textOf(HWND window) {
  wchar_t text[4096] = {};
  SendMessageW(window, WM_GETTEXT, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(text));
  return utf8(text);
}

std::string classOf(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct Search {
  HWND found = nullptr;
};

BOOL CALLBACK findProgressDialog(HWND window, LPARAM parameter) {
  HWND bar = GetDlgItem(window, 1001);
  if (classOf(window) == "#32770" && IsWindowVisible(window) && bar &&
      classOf(bar) == "msctls_progress32") {
    reinterpret_cast<Search*>(parameter)->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND waitForDialog(int seconds) {
  for (int tick = 0; tick < seconds * 10; ++tick) {
    Search search;
    EnumWindows(findProgressDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(100);
  }
  return nullptr;
}

BOOL CALLBACK printControl(HWND control, LPARAM parameter) {
  HWND dialog = reinterpret_cast<HWND>(parameter);
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  std::printf("control %d %s visible=%d at %ld,%ld size %ld x %ld text=%s\n",
              GetDlgCtrlID(control), classOf(control).c_str(),
              (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) ? 1 : 0, r.left, r.top,
              r.right - r.left, r.bottom - r.top, textOf(control).c_str());
  return TRUE;
}

void report(HWND dialog) {
  RECT r{};
  GetClientRect(dialog, &r);
  std::printf("caption: %s\n", textOf(dialog).c_str());
  std::printf("rtl: %d\n", (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) ? 1 : 0);
  std::printf("size: %ld x %ld\n", r.right, r.bottom);
  EnumChildWindows(dialog, printControl, reinterpret_cast<LPARAM>(dialog));
}

void sampleBar(HWND dialog, int samples) {
  std::printf("bar:");
  for (int i = 0; i < samples; ++i) {
    std::printf(" %d", static_cast<int>(SendMessageA(GetDlgItem(dialog, 1001), PBM_GETPOS, 0, 0)));
    Sleep(100);
  }
  std::printf("\n");
}

void closeAndCheck(HWND dialog) {
  PostMessageA(dialog, WM_CLOSE, 0, 0);
  Sleep(500);
  std::printf("after close: exists=%d visible=%d\n", IsWindow(dialog) ? 1 : 0,
              IsWindowVisible(dialog) ? 1 : 0);
}

void waitHidden(HWND dialog, int seconds) {
  for (int tick = 0; tick < seconds * 10 && IsWindow(dialog) && IsWindowVisible(dialog); ++tick)
    Sleep(100);
  std::printf("hidden: %d\n", IsWindow(dialog) && IsWindowVisible(dialog) ? 0 : 1);
}

HWND waitForBox(int seconds) {
  for (int tick = 0; tick < seconds * 10; ++tick) {
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
         w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
      if (IsWindowVisible(w) && !FindWindowExA(w, nullptr, "msctls_progress32", nullptr)) return w;
    }
    Sleep(100);
  }
  return nullptr;
}

BOOL CALLBACK printStatic(HWND control, LPARAM) {
  std::string text = textOf(control);
  if (classOf(control) == "Static" && !text.empty()) std::printf("%s\n", text.c_str());
  return TRUE;
}

int answerBox(int seconds, int holdMs) {
  HWND box = waitForBox(seconds);
  if (!box) {
    std::printf("no message box\n");
    return 1;
  }
  Sleep(200);  // let the box finish creating its controls
  std::printf("caption: %s\n", textOf(box).c_str());
  EnumChildWindows(box, printStatic, 0);
  std::fflush(stdout);
  Sleep(holdMs);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return 0;
}

// The hidden main window of the launcher's class.
HWND mainWindow() { return FindWindowA("LauncherMain", nullptr); }

void touch(const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "--box")
    return answerBox(std::atoi(argv[2]), argc > 3 ? std::atoi(argv[3]) : 0);
  int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
  HWND dialog = waitForDialog(seconds);
  if (!dialog) {
    std::printf("no progress dialog\n");
    return 1;
  }
  Sleep(300);  // let the launcher's first texts arrive
  report(dialog);
  for (int i = 2; i < argc; ++i) {
    std::string option = argv[i];
    bool hasValue = i + 1 < argc;
    if (option == "--bar" && hasValue) sampleBar(dialog, std::atoi(argv[++i]));
    else if (option == "--close") closeAndCheck(dialog);
    else if (option == "--until-hidden" && hasValue) waitHidden(dialog, std::atoi(argv[++i]));
    else if (option == "--sleep" && hasValue) Sleep(std::atoi(argv[++i]));
    else if (option == "--end-session") SendMessageA(mainWindow(), WM_ENDSESSION, TRUE, 0);
    else if (option == "--close-main") {
      PostMessageA(mainWindow(), WM_CLOSE, 0, 0);
      Sleep(500);
      std::printf("after main close: exists=%d\n", IsWindow(dialog) ? 1 : 0);
    }
    else if (option == "--touch" && hasValue) touch(argv[++i]);
    std::fflush(stdout);
  }
  std::fflush(stdout);
  return 0;
}
