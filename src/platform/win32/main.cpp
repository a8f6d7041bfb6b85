#include <windows.h>

#include "launcher/entry.h"
#include "platform/command_line.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return vd::runLauncherProcess(vd::platform::processArguments());
}
