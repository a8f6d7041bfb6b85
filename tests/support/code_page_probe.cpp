// Test helper: reports what a process started by the launcher receives, read through the wide
// functions and printed as UTF-8, so that a name outside the 8-bit code page shows whole or
// shows where it was lost. Copy it to <home>\bin\java.exe to have the launcher start it.
//   acp=<GetACP()>            the 8-bit code page of this process (65001 when it is UTF-8)
//   ansi=<GetCommandLineA()>  the 8-bit command line, as its bytes
//   arg<i>=<argument i>       the wide command line split by the system, program name first
//   JAVA_HOME=<value>         from the environment
//   CWD=<current directory>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* wide) {
  int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return std::string();
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
  text.resize(text.size() - 1);
  return text;
}

std::string environmentValue(const wchar_t* name) {
  wchar_t value[32768] = {};
  return GetEnvironmentVariableW(name, value, 32768) ? utf8(value) : std::string();
}

std::string currentDirectory() {
  wchar_t directory[32768] = {};
  GetCurrentDirectoryW(32768, directory);
  return utf8(directory);
}

}  // namespace

int main() {
  std::printf("acp=%u\nansi=%s\n", GetACP(), GetCommandLineA());
  int count = 0;
  if (LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 0; i < count; ++i) std::printf("arg%d=%s\n", i, utf8(args[i]).c_str());
    LocalFree(args);
  }
  std::printf("JAVA_HOME=%s\nCWD=%s\n", environmentValue(L"JAVA_HOME").c_str(),
              currentDirectory().c_str());
  std::fflush(stdout);
  return 0;
}
