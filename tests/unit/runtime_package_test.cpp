// The JVM installer's package: what a good package installs, and the packages it refuses
// before writing anything (paths leaving the destination, malformed indexes, damaged or
// truncated bytes).
#include <gtest/gtest.h>

#include <filesystem>

#include "archive/runtime_installation.h"
#include "archive/runtime_package.h"
#include "archive_builder.h"
#include "launcher/exceptions.h"
#include "platform/executable_mode.h"
#include "scratch_directory.h"

namespace vd {
namespace {

using testing::ArchiveFile;
using testing::ScratchDirectory;

ArchiveFile entry(int kind, const std::string& name, const std::string& bytes = std::string()) {
  ArchiveFile file;
  file.type = kind;
  file.name = name;
  file.bytes = bytes;
  file.id = static_cast<int32_t>(updateCrc32(0, bytes.data(), bytes.size()));
  return file;
}

ArchiveFile jvmFile() { return entry(kRuntimeJvmFile, "jvm", "JVM_EXE: bin/java\n"); }

std::vector<ArchiveFile> goodEntries() {
  return {entry(kRuntimeDirectory, "bin"), entry(kRuntimeExecutable, "bin/java", "#!java"),
          entry(kRuntimeFile, "lib/server/libjvm.so", std::string(100000, 'j')),
          entry(kRuntimeDirectory, "conf/empty"), entry(kRuntimeFile, "release", "JAVA=17\n"),
          jvmFile()};
}

class RuntimePackageTest : public ::testing::Test {
 protected:
  std::string package(const std::string& bytes) {
    std::string path = scratch_.file("installer");
    ScratchDirectory::write(path, bytes);
    return path;
  }
  std::string package(const std::vector<ArchiveFile>& files) {
    return package(testing::buildLauncher(files).bytes);
  }
  std::string destination() const { return scratch_.file("dest"); }
  bool destinationIsEmpty() const {
    return !std::filesystem::exists(destination()) ||
           std::filesystem::is_empty(destination());
  }
  // The message of the refusal; fails the test when the package installs.
  std::string refusal(const std::string& path) {
    try {
      installRuntimePackage(path, destination());
    } catch (const LauncherException& e) {
      return e.message();
    }
    ADD_FAILURE() << "the package was installed";
    return std::string();
  }

  ScratchDirectory scratch_;
};

TEST_F(RuntimePackageTest, InstallsTheTreeWithItsExecutableBitsAndTheJvmFile) {
  installRuntimePackage(package(goodEntries()), destination());
  std::filesystem::path dest = destination();
  EXPECT_EQ(ScratchDirectory::read((dest / "bin" / "java").string()), "#!java");
  EXPECT_EQ(ScratchDirectory::read((dest / "lib" / "server" / "libjvm.so").string()),
            std::string(100000, 'j'));
  EXPECT_TRUE(std::filesystem::is_directory(dest / "conf" / "empty"));
  EXPECT_EQ(ScratchDirectory::read((dest / "jvm").string()), "JVM_EXE: bin/java\n");
#ifndef _WIN32
  EXPECT_TRUE(platform::isExecutableFile((dest / "bin" / "java").string()));
  EXPECT_FALSE(platform::isExecutableFile((dest / "release").string()));
#endif
}

TEST_F(RuntimePackageTest, RefusesPathsThatLeaveTheDestinationBeforeWritingAnything) {
  const std::string kBadNames[] = {
      "../x",     "a/../../x", "..",   "/etc/passwd", "C:/Windows/x", "C:x",
      "a\\..\\x", "\\x",       "a//b", "a/",          "./a",          "a/. /b",
      ".. /x",    "x.",        "",     std::string("a\0b", 3), "a\nb"};
  for (const std::string& name : kBadNames) {
    std::vector<ArchiveFile> files = goodEntries();
    files.insert(files.end() - 1, entry(kRuntimeFile, name, "escape"));  // after good entries
    std::string message = refusal(package(files));
    EXPECT_NE(message.find("The runtime package is damaged: the entry name"), std::string::npos)
        << name << ": " << message;
    EXPECT_TRUE(destinationIsEmpty()) << name;
  }
}

TEST_F(RuntimePackageTest, RefusesMalformedIndexes) {
  struct Case {
    const char* what;
    std::vector<ArchiveFile> files;
    const char* message;
  };
  std::vector<ArchiveFile> twoJvmFiles = goodEntries();
  twoJvmFiles.push_back(entry(kRuntimeJvmFile, "jvm", "again"));
  const Case kCases[] = {
      {"unknown kind", {entry(4, "bin/java"), jvmFile()}, "has the unknown type 4"},
      {"directory with bytes", {entry(kRuntimeDirectory, "bin", "x"), jvmFile()}, "has bytes"},
      {"no jvm file", {entry(kRuntimeFile, "release", "x")}, "holds no jvm file"},
      {"two jvm files", twoJvmFiles, "is in it twice"},
      {"jvm file elsewhere",
       {entry(kRuntimeJvmFile, "bin/jvm", "x")},
       "the jvm file is named bin/jvm"},
      {"a runtime file named jvm", {entry(kRuntimeFile, "jvm", "x"), jvmFile()}, "twice"},
      {"a path twice",
       {entry(kRuntimeFile, "release", "a"), entry(kRuntimeFile, "release", "b"), jvmFile()},
       "release is in it twice"},
      {"a path below a file",
       {entry(kRuntimeFile, "lib", "a"), entry(kRuntimeFile, "lib/x", "b"), jvmFile()},
       "lib/x lies below the file lib"},
  };
  for (const Case& c : kCases) {
    std::string message = refusal(package(c.files));
    EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
    EXPECT_TRUE(destinationIsEmpty()) << c.what;
  }
}

TEST_F(RuntimePackageTest, RefusesDamagedAndTruncatedPackagesBeforeWritingAnything) {
  testing::BuiltLauncher built = testing::buildLauncher(goodEntries());
  const std::string& bytes = built.bytes;
  size_t dataStart = std::string("STUB-EXECUTABLE").size();
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case kCases[] = {
      {"a changed byte in a file", testing::patched(bytes, dataStart + 1000, "k")},
      {"a changed checksum", testing::patched(bytes, built.indexOffset + 4 + 1 + 2, "\x7F")},
      {"cut inside the files", bytes.substr(0, dataStart + 5000)},
      {"cut inside the index", bytes.substr(0, built.indexOffset + 30)},
      {"cut inside the trailer", bytes.substr(0, bytes.size() - 3)},
      {"only the stub", bytes.substr(0, dataStart)},
      {"empty", std::string()},
  };
  for (const Case& c : kCases) {
    std::string message = refusal(package(c.bytes));
    EXPECT_NE(message.find("The runtime package is damaged: "), std::string::npos)
        << c.what << ": " << message;
    EXPECT_TRUE(destinationIsEmpty()) << c.what;
  }
}

}  // namespace
}  // namespace vd
