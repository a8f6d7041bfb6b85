#include <windows.h>

#include "launcher/entry.h"
#include "platform/command_line.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  vd::ProcessStart start;
  start.instance = instance;
  start.showCommand = showCommand;
  start.readArguments = vd::platform::processArguments;
  return vd::runLauncherProcess(start);
}
