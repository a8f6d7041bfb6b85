#include <string>
#include <vector>

#include "launcher/entry.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  return vd::runLauncherProcess(args);
}
