// A stand-in JVM installer for the Wine tests of INSTALL_JVM: run in its destination
// directory, it installs the stand-in java.exe named by the environment variable
// FAKE_JAVA_SOURCE as bin\java.exe (reporting java.version 1.8.0_99 and exiting with 42 for an
// application) and leaves the jvm file "jvm" describing it. Exit code 1 when the copy fails.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool writeText(const char* path, const char* text) {
  std::FILE* file = std::fopen(path, "w");
  if (!file) return false;
  std::fputs(text, file);
  return std::fclose(file) == 0;
}

}  // namespace

int main() {
  const char* source = std::getenv("FAKE_JAVA_SOURCE");
  CreateDirectoryA("bin", nullptr);
  if (!source || !CopyFileA(source, "bin\\java.exe", FALSE)) {
    std::fprintf(stderr, "cannot copy FAKE_JAVA_SOURCE\n");
    return 1;
  }
  bool written = writeText("bin\\java.properties", "java.version=1.8.0_99\nfake.exit=42\n") &&
                 writeText("jvm",
                           "DESC: Bundled JVM\n"
                           "JVM_EXE: bin\\java.exe\n"
                           "JVM_PROPERTIES: java.version=1.8...\n"
                           "CLASSPATH: \" -cp \"\n"
                           "CLASSPATH_SEPARATOR: ;\n");
  return written ? 0 : 1;
}
