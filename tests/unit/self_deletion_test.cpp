#include "platform/self_deletion.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/path.h"

namespace vd {
namespace {

TEST(SelfDeletionBatchTest, RemovesTheFileThenTheDirectoryThenItself) {
  std::string script = selfDeletionBatchScript("C:\\Work\\x\\setup.exe", "C:\\Work\\x",
                                               "C:\\Temp\\LRE1A2B.bat", "");
  EXPECT_EQ(script,
            "@set /a LauncherTries=0\n"
            ":Repeat\n"
            "del \"C:\\Work\\x\\setup.exe\"\n"
            "if not exist \"C:\\Work\\x\\setup.exe\" goto Removed\n"
            "@set /a LauncherTries+=1\n"
            "@if %LauncherTries% geq 60 goto Removed\n"
            "@ping -n 2 127.0.0.1 >nul\n"
            "goto Repeat\n"
            ":Removed\n"
            "rmdir /q \"C:\\Work\\x\"\n"
            "del \"C:\\Temp\\LRE1A2B.bat\"\n");
}

TEST(SelfDeletionBatchTest, ReportsToTheDebugLogAndSkipsAnEmptyDirectory) {
  std::string script =
      selfDeletionBatchScript("setup.exe", "", "C:\\Temp\\LRE1.bat", "C:\\Logs\\debug log.txt");
  EXPECT_EQ(script,
            "@set /a LauncherTries=0\n"
            ":Repeat\n"
            "@echo Deleting setup.exe from within batch file. >> \"C:\\Logs\\debug log.txt\"\n"
            "del \"setup.exe\"\n"
            "if not exist \"setup.exe\" goto Removed\n"
            "@set /a LauncherTries+=1\n"
            "@if %LauncherTries% geq 60 goto Removed\n"
            "@ping -n 2 127.0.0.1 >nul\n"
            "goto Repeat\n"
            ":Removed\n"
            "del \"C:\\Temp\\LRE1.bat\"\n"
            "@echo Deleted batch file C:\\Temp\\LRE1.bat from within batch file. >> "
            "\"C:\\Logs\\debug log.txt\"\n");
}

TEST(SelfDeletionBatchTest, PathsAreEscapedForCmd) {
  std::string script = selfDeletionBatchScript("C:\\100%\\a&b\\%PATH%.exe", "C:\\100%\\a&b",
                                               "C:\\T%\\LRE1.bat", "C:\\d%g.txt");
  EXPECT_NE(script.find("del \"C:\\100%%\\a&b\\%%PATH%%.exe\"\n"), std::string::npos);
  EXPECT_NE(script.find("if not exist \"C:\\100%%\\a&b\\%%PATH%%.exe\" goto Removed\n"),
            std::string::npos);
  EXPECT_NE(script.find("rmdir /q \"C:\\100%%\\a&b\"\n"), std::string::npos);
  EXPECT_NE(script.find("del \"C:\\T%%\\LRE1.bat\"\n"), std::string::npos);
  EXPECT_NE(script.find("@echo Deleting C:\\100%%\\a^&b\\%%PATH%%.exe from within batch file. >> "
                        "\"C:\\d%%g.txt\"\n"),
            std::string::npos);
  EXPECT_NE(script.find("@echo Deleted batch file C:\\T%%\\LRE1.bat"), std::string::npos);
  // The only single percent signs left are the counter's.
  std::string withoutCounter = script;
  for (size_t at; (at = withoutCounter.find("%LauncherTries%")) != std::string::npos;)
    withoutCounter.erase(at, 15);
  for (size_t at = 0; (at = withoutCounter.find('%', at)) != std::string::npos; at += 2)
    EXPECT_EQ(withoutCounter[at + 1], '%') << withoutCounter.substr(at);
}

TEST(SelfDeletionBatchTest, BatchFileTakesTheTempNamesPlace) {
  const std::string s(1, platform::kPathSeparator);
  struct Case {
    std::string temp, batch;
  };
  const Case cases[] = {
      {"C:" + s + "Temp" + s + "LRE1A2B.tmp", "C:" + s + "Temp" + s + "LRE1A2B.bat"},
      {"C:" + s + "my.dir" + s + "LRE1A2B.tmp", "C:" + s + "my.dir" + s + "LRE1A2B.bat"},
      {"C:" + s + "my.dir" + s + "LRE1A2B", "C:" + s + "my.dir" + s + "LRE1A2B.bat"},
      {"LRE1.tmp", "LRE1.bat"},
  };
  for (const Case& c : cases) EXPECT_EQ(batchFileNameFor(c.temp), c.batch) << c.temp;
}

}  // namespace
}  // namespace vd
