// Test helper that drives runCommand from a Windows program, and serves as its own child.
//   run_command_probe capture OUT ERR DIR COMMAND   captured run; the sinks go to files OUT and
//                                                    ERR; DIR "-" is the current directory
//   run_command_probe plain DIR COMMAND             plain hidden run, waited for
//   run_command_probe nowait DIR COMMAND            plain run, not waited for
// Each prints "exit=<code>", or "error=<message>" and exits with 3 when runCommand throws.
// As the child:
//   run_command_probe child exit N     exits with N (259 and negative values included)
//   run_command_probe child spew N     writes N bytes "o" then "END" to standard output and
//                                      "err" to standard error, then exits with 0
//   run_command_probe child cwd        prints the current directory
//   run_command_probe child sleep MS   sleeps, then exits with 0
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "launch/run_command.h"
#include "launcher/exceptions.h"

namespace {

int child(const std::string& what, const char* value) {
  if (what == "exit") ExitProcess(static_cast<UINT>(std::atoi(value)));
  if (what == "spew") {
    std::string text(std::strtoul(value, nullptr, 10), 'o');
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputs("END", stdout);
    std::fputs("err", stderr);
  } else if (what == "cwd") {
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    std::printf("%s", directory);
  } else if (what == "sleep") {
    Sleep(static_cast<DWORD>(std::atoi(value)));
  }
  return 0;
}

std::string directoryArgument(const char* text) { return std::string(text) == "-" ? "" : text; }

int drive(int argc, char** argv) {
  std::string mode = argv[1];
  if (mode == "capture" && argc == 6) {
    std::string out, err;
    int code = vd::runCommand(argv[5], directoryArgument(argv[4]), false, true, true, &out, &err,
                              false);
    std::ofstream(argv[2], std::ios::binary) << out;
    std::ofstream(argv[3], std::ios::binary) << err;
    return code;
  }
  if ((mode == "plain" || mode == "nowait") && argc == 4)
    return vd::runCommand(argv[3], directoryArgument(argv[2]), false, false, mode == "plain",
                          nullptr, nullptr, false);
  std::fprintf(stderr, "bad arguments\n");
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "child") return child(argv[2], argc > 3 ? argv[3] : "0");
  if (argc < 2) return 2;
  try {
    std::printf("exit=%d\n", drive(argc, argv));
    return 0;
  } catch (const vd::LauncherException& e) {
    std::printf("error=%s\n", e.message().c_str());
    return 3;
  }
}
