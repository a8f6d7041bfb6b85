// A stand-in java.exe for the Wine tests, where a real JDK cannot be run through the Windows
// build. Copy it to <home>\bin\java.exe.
//
// The command line is read as a Java launcher reads it: options (words starting with "-";
// "-cp", "-classpath" and "--class-path" take the next word) up to the class name, then the
// class's arguments.
//
// Configuration, all optional:
//   <exe without .exe>.properties  next to the executable (java.properties for java.exe):
//     lines "name=value" (split at the first "="; blank lines and lines starting with "#"
//     are skipped). Names starting with "fake." configure the stand-in, all others are the
//     Java system properties it reports:
//       fake.exit=N      exit code for classes other than Verify (default 0)
//       fake.stderr=TEXT a line written to standard error for those classes
//   FAKE_JAVA_EXIT   environment variable; overrides fake.exit.
//
// Class Verify (the verification class): prints "1739021872", then for each argument the
// value of that property from the side file, one per line (an empty line when it has none),
// and exits with 0.
// Any other class: prints three lines and exits with the configured code:
//   the command line exactly as received
//   JAVA_HOME=<value of the JAVA_HOME environment variable>
//   CWD=<current directory>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/crt_command_line.h"

namespace {

using Properties = std::map<std::string, std::string>;

std::string sideFilePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text = path;
  size_t dot = text.find_last_of('.');
  size_t slash = text.find_last_of("\\/");
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) text.resize(dot);
  return text + ".properties";
}

Properties readProperties() {
  Properties properties;
  std::ifstream in(sideFilePath());
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
    properties[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return properties;
}

bool takesValue(const std::string& option) {
  return option == "-cp" || option == "-classpath" || option == "--class-path";
}

// The index of the class name in `words`, or words.size() when there is none.
size_t classNameIndex(const std::vector<std::string>& words) {
  size_t i = 1;
  while (i < words.size() && !words[i].empty() && words[i][0] == '-')
    i += takesValue(words[i]) ? 2 : 1;
  return i;
}

int verify(const std::vector<std::string>& words, size_t first, const Properties& properties) {
  std::printf("1739021872\n");
  for (size_t i = first; i < words.size(); ++i) {
    auto value = properties.find(words[i]);
    std::printf("%s\n", value == properties.end() ? "" : value->second.c_str());
  }
  return 0;
}

int configuredExitCode(const Properties& properties) {
  const char* variable = std::getenv("FAKE_JAVA_EXIT");
  if (variable && *variable) return std::atoi(variable);
  auto value = properties.find("fake.exit");
  return value == properties.end() ? 0 : std::atoi(value->second.c_str());
}

int reportCommandLine(const Properties& properties) {
  const char* javaHome = std::getenv("JAVA_HOME");
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  std::printf("%s\nJAVA_HOME=%s\nCWD=%s\n", GetCommandLineA(), javaHome ? javaHome : "", directory);
  auto text = properties.find("fake.stderr");
  if (text != properties.end()) std::fprintf(stderr, "%s\n", text->second.c_str());
  return configuredExitCode(properties);
}

}  // namespace

int main() {
  std::vector<std::string> words = vd::platform::parseCrtCommandLine(GetCommandLineA());
  Properties properties = readProperties();
  size_t className = classNameIndex(words);
  int code = className < words.size() && words[className] == "Verify"
                 ? verify(words, className + 1, properties)
                 : reportCommandLine(properties);
  std::fflush(stdout);
  std::fflush(stderr);
  ExitProcess(static_cast<UINT>(code));
}
