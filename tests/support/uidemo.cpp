// Test helper for Wine: the launcher's real process entry and progress window with a scripted
// worker instead of the run driver. Each argument is one step, run in order on the worker:
//   show               showWindow()              title          showProductTitle()
//   status=N           showStatus(N)             sub=N:TEXT     showSubStatus(N, TEXT)
//   progress=N         putProgress(N)            step=N         stepProgress(N)
//   hide=N             hideWindowAfter(N)        silent         setSilentMode(true)
//   message=TEXT       messageBox(TEXT)          folder         prints the chosen folder
//   sleep=MS           waits                     waitfile=PATH  waits (up to 60 s) for PATH
//   visible            prints the visibility     cancelled      prints the cancel request
//   acp                prints the ANSI code page lang           prints the UI language id
//   exit=N             the exit code (default 0)
//   throw              throws out of the worker  arg=TEXT       prints TEXT as it arrived
//   tempdir            makes a temporary directory of the launcher's
//   tempgone           prints whether that directory is gone
// Printed lines go to standard output, UTF-8 where they carry texts.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "launcher/command_line_arguments.h"
#include "launcher/entry.h"
#include "launcher/process_state.h"
#include "platform/command_line.h"
#include "platform/temp_files.h"
#include "ui/status.h"

namespace {

std::string utf8(const std::string& ansi) {
  int wideSize = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  std::wstring wide(wideSize > 0 ? wideSize : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), wideSize);
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, out.data(), size, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

void say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void waitForFile(const std::string& path) {
  for (int tick = 0; tick < 600; ++tick) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    Sleep(100);
  }
}

bool starts(const std::string& step, const char* prefix, std::string& value) {
  std::string p(prefix);
  if (step.compare(0, p.size(), p) != 0) return false;
  value = step.substr(p.size());
  return true;
}

std::string& tempDirectoryMade() {
  static std::string path;
  return path;
}

int runStep(const std::string& step, int exitCode) {
  std::string value;
  if (step == "show") vd::showWindow();
  else if (step == "title") vd::showProductTitle();
  else if (step == "silent") vd::setSilentMode(true);
  else if (step == "folder") say("folder: " + utf8(vd::chooseJvmDestination()));
  else if (step == "visible") say(vd::isWindowVisible() ? "visible: 1" : "visible: 0");
  else if (step == "cancelled") say(vd::processState().cancelRequested ? "cancelled: 1" : "cancelled: 0");
  else if (step == "acp") say("acp: " + std::to_string(GetACP()));
  else if (step == "lang") say("ui language: " + std::to_string(GetUserDefaultUILanguage()));
  else if (step == "throw") throw 1;
  else if (step == "tempdir") tempDirectoryMade() = vd::createTempDirectory();
  else if (step == "tempgone") {
    bool gone = GetFileAttributesA(tempDirectoryMade().c_str()) == INVALID_FILE_ATTRIBUTES;
    say(gone ? "temp dir: gone" : "temp dir: there");
  }
  else if (starts(step, "status=", value)) vd::showStatus(std::atoi(value.c_str()));
  else if (starts(step, "sub=", value)) {
    size_t colon = value.find(':');
    vd::showSubStatus(std::atoi(value.c_str()), colon == std::string::npos ? "" : value.substr(colon + 1));
  }
  else if (starts(step, "progress=", value)) vd::putProgress(std::atoi(value.c_str()));
  else if (starts(step, "step=", value)) vd::stepProgress(std::atoi(value.c_str()));
  else if (starts(step, "hide=", value)) vd::hideWindowAfter(static_cast<int16_t>(std::atoi(value.c_str())));
  else if (starts(step, "message=", value)) vd::messageBox(value);
  else if (starts(step, "sleep=", value)) Sleep(std::atoi(value.c_str()));
  else if (starts(step, "waitfile=", value)) waitForFile(value);
  else if (starts(step, "arg=", value)) say("arg: " + utf8(value));
  else if (starts(step, "exit=", value)) return std::atoi(value.c_str());
  else say("unknown step: " + step);
  return exitCode;
}

int scriptedWorker(const vd::CommandLineArguments& arguments, vd::WorkerWindow& window) {
  int exitCode = 0;
  for (size_t i = 1; i < arguments.count(); ++i) exitCode = runStep(arguments.at(i), exitCode);
  window.stopTimers();
  vd::processState().exitCode = exitCode;
  return exitCode;
}

}  // namespace

int main() {
  vd::ProcessStart start;
  start.instance = GetModuleHandleA(nullptr);
  start.showCommand = SW_SHOWNORMAL;
  start.readArguments = vd::platform::processArguments;
  start.worker = scriptedWorker;
  return vd::runLauncherProcess(start);
}
