#include "platform/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/os_family.h"
#include "platform/win9x_command_line.h"

namespace vd::platform {
namespace {

std::string toAnsi(LPCWSTR wide) {
  int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return std::string();
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
  text.resize(text.size() - 1);
  return text;
}

// The system's splitter; empty arguments are kept.
std::vector<std::string> splitWideCommandLine() {
  std::vector<std::string> args;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return args;
  for (int i = 0; i < count; ++i) args.push_back(toAnsi(wide[i]));
  LocalFree(wide);
  return args;
}

}  // namespace

// The Windows 9x family has no wide splitter: the 8-bit command line is split by our rules.
std::vector<std::string> processArguments() {
  if (isWindows9x()) return splitWindows9xCommandLine(GetCommandLineA());
  return splitWideCommandLine();
}

}  // namespace vd::platform
