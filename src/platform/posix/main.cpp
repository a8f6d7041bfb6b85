#include <string>
#include <vector>

#include "launcher/entry.h"

int main(int argc, char** argv) {
  vd::ProcessStart start;
  start.readArguments = [argc, argv] { return std::vector<std::string>(argv, argv + argc); };
  return vd::runLauncherProcess(start);
}
