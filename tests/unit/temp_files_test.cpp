#include "platform/temp_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "launcher/text.h"
#include "platform/file_removal.h"
#include "platform/path.h"
#include "platform/path_queries.h"
#include "scratch_directory.h"

namespace vd {
namespace {

namespace fs = std::filesystem;

class TempFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetProcessState();
    fs::create_directories(tempRoot());
    setTempDirectory(tempRoot());
  }
  void TearDown() override { resetProcessState(); }

  std::string tempRoot() const { return scratch.file("temp"); }
  std::string debugLog() const { return scratch.file("debug.txt"); }
  void enableDebugLog() { processState().debugLog = {debugLog(), true}; }
  void enableLog() { processState().settings.logFile = scratch.file("log.txt"); }
  std::string logText() const { return testing::ScratchDirectory::read(scratch.file("log.txt")); }
  std::vector<std::string> debugLines() const {
    std::vector<std::string> lines;
    std::istringstream in(testing::ScratchDirectory::read(debugLog()));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  std::vector<std::string> tempEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(tempRoot()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::ScratchDirectory scratch;
};

bool isLreName(const std::string& path) {
  std::string name = fs::path(path).filename().string();
  return name.starts_with("LRE") && name.ends_with(".tmp");
}

TEST_F(TempFilesTest, MissingTempDirectoryNamesThePath) {
  const std::string missing = scratch.file("no-such-dir");
  setTempDirectory(missing);
  const std::string expected = formatResource(36, {missing});
  ASSERT_NE(expected.find(missing), std::string::npos);
  for (auto create : {&createTempDirectory, &createTempFileName}) {
    try {
      create();
      FAIL() << "no exception";
    } catch (const LauncherException& e) {
      EXPECT_EQ(e.message(), expected);
    }
  }
  // A file is not a directory either.
  testing::ScratchDirectory::write(missing, "x");
  EXPECT_THROW(tempDirectory(), LauncherException);
}

TEST_F(TempFilesTest, SystemTempDirectoryIsTheDefault) {
  resetProcessState();
  std::string dir = tempDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), platform::kPathSeparator);
  EXPECT_TRUE(fs::is_directory(dir));
}

TEST_F(TempFilesTest, FreshNamesBelowTheTempDirectory) {
  std::string first = createTempDirectory();
  std::string second = createTempDirectory();
  std::string file = createTempFileName();
  EXPECT_NE(first, second);
  for (const std::string& path : {first, second, file}) {
    EXPECT_TRUE(isLreName(path)) << path;
    EXPECT_EQ(parentDirectory(path), tempRoot());
  }
  EXPECT_TRUE(fs::is_directory(first) && fs::is_empty(first));
  EXPECT_TRUE(fs::is_regular_file(file) && fs::file_size(file) == 0);
  EXPECT_EQ(processState().tempFiles.directories, (std::vector<std::string>{first, second}));
  EXPECT_EQ(processState().tempFiles.files, std::vector<std::string>{file});
}

TEST_F(TempFilesTest, CleanupRemovesNewestFirstDirectoriesBeforeFiles) {
  enableDebugLog();
  std::string olderFile = createTempFileName();
  std::string older = createTempDirectory();
  std::string newer = createTempDirectory();
  std::string newerFile = createTempFileName();
  testing::ScratchDirectory::write(older + "/inside.txt", "data");
  cleanupTempFiles();
  EXPECT_EQ(debugLines(), (std::vector<std::string>{
                              "Launcher: Deleting dir: " + newer,
                              "Launcher: Deleting dir: " + older,
                              "Launcher: Deleting file: " + newerFile,
                              "Launcher: Deleting file: " + olderFile,
                          }));
  EXPECT_TRUE(tempEntries().empty());
  EXPECT_TRUE(processState().tempFiles.directories.empty());
  EXPECT_TRUE(processState().tempFiles.files.empty());
}

TEST_F(TempFilesTest, CleanupLeavesWhatWasThereBefore) {
  testing::ScratchDirectory::write(tempRoot() + "/before.txt", "keep");
  fs::create_directories(tempRoot() + "/before-dir");
  createTempDirectory();
  createTempFileName();
  cleanupTempFiles();
  EXPECT_EQ(tempEntries(), (std::vector<std::string>{"before-dir", "before.txt"}));
  EXPECT_EQ(testing::ScratchDirectory::read(tempRoot() + "/before.txt"), "keep");
}

TEST_F(TempFilesTest, WithoutDebugLogNothingIsTraced) {
  processState().debugLog = {debugLog(), false};
  createTempDirectory();
  cleanupTempFiles();
  EXPECT_FALSE(fs::exists(debugLog()));
}

TEST_F(TempFilesTest, ReadOnlyEntriesAreRemoved) {
  std::string dir = createTempDirectory();
  std::string file = dir + "/readonly.txt";
  std::string inner = dir + "/sealed";
  testing::ScratchDirectory::write(file, "x");
  fs::create_directories(inner);
  testing::ScratchDirectory::write(inner + "/deep.txt", "x");
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
  fs::permissions(file, readOnly);
  fs::permissions(inner + "/deep.txt", readOnly);
  fs::permissions(inner, readOnly | fs::perms::owner_exec);
  cleanupTempFiles();
  EXPECT_FALSE(fs::exists(dir));
}

TEST_F(TempFilesTest, ForgottenPathsOutliveTheRun) {
  std::string kept = createTempDirectory();
  std::string removed = createTempDirectory();
  std::string keptFile = createTempFileName();
  std::string upper = keptFile;
  std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
  forgetTempDirectory(kept);
  forgetTempFile(upper);  // compared ignoring case
  forgetTempFile(scratch.file("never-registered"));
  EXPECT_EQ(processState().tempFiles.directories, std::vector<std::string>{removed});
  EXPECT_TRUE(processState().tempFiles.files.empty());
  cleanupTempFiles();
  EXPECT_TRUE(fs::exists(kept));
  EXPECT_TRUE(fs::exists(keptFile));
  EXPECT_FALSE(fs::exists(removed));
}

TEST_F(TempFilesTest, ForgettingRemovesOnlyTheFirstEqualEntry) {
  processState().tempFiles.files = {"a", "B", "b"};
  forgetTempFile("b");
  EXPECT_EQ(processState().tempFiles.files, (std::vector<std::string>{"a", "b"}));
}

TEST_F(TempFilesTest, TwoThreadsCleaningUpRemoveEachEntryOnce) {
  enableDebugLog();
  std::set<std::string> created;
  for (int i = 0; i < 20; ++i) {
    std::string dir = createTempDirectory();
    for (int j = 0; j < 5; ++j) testing::ScratchDirectory::write(dir + "/f" + std::to_string(j), "x");
    created.insert(dir);
    created.insert(createTempFileName());
  }
  std::thread window([] { cleanupTempFiles(); });
  cleanupTempFiles();
  window.join();
  EXPECT_TRUE(tempEntries().empty());
  std::vector<std::string> lines = debugLines();
  EXPECT_EQ(lines.size(), created.size());
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), created.size());
}

TEST_F(TempFilesTest, CleanupRemovesTheLauncherOnceWhenOrigWasGiven) {
  fs::create_directories(scratch.file("outer/x"));
  std::string launcher = scratch.file("outer/x/setup");
  testing::ScratchDirectory::write(launcher, "exe");
  processState().settings.launcherFile = launcher;
  processState().settings.origGiven = true;
  cleanupTempFiles();
  EXPECT_FALSE(fs::exists(launcher));
  EXPECT_FALSE(fs::exists(scratch.file("outer/x")));
  EXPECT_TRUE(fs::exists(scratch.file("outer")));

  // A second cleanup (the window thread's) does not do it again.
  fs::create_directories(scratch.file("outer/x"));
  testing::ScratchDirectory::write(launcher, "exe");
  cleanupTempFiles();
  EXPECT_TRUE(fs::exists(launcher));
}

TEST_F(TempFilesTest, LauncherStaysWithoutOrig) {
  std::string launcher = scratch.file("setup");
  testing::ScratchDirectory::write(launcher, "exe");
  processState().settings.launcherFile = launcher;
  cleanupTempFiles();
  EXPECT_TRUE(fs::exists(launcher));
}

TEST_F(TempFilesTest, GuardCleansUpWhenTheScopeEndsByAnException) {
  std::string dir;
  try {
    TempFilesCleanup cleanup;
    dir = createTempDirectory();
    throw LauncherException("run failed");
  } catch (const LauncherException&) {
  }
  EXPECT_FALSE(fs::exists(dir));
}

TEST_F(TempFilesTest, DeletePathHandlesFilesTreesAndMissingPaths) {
  std::string tree = scratch.file("tree");
  fs::create_directories(tree + "/a/b/c");
  fs::create_directories(tree + "/empty");
  testing::ScratchDirectory::write(tree + "/a/b/c/deep.txt", "x");
  testing::ScratchDirectory::write(tree + "/top.txt", "x");
  std::string outside = scratch.file("outside");
  fs::create_directories(outside);
  testing::ScratchDirectory::write(outside + "/precious.txt", "x");
  fs::create_directory_symlink(outside, tree + "/a/link");

  deletePath(tree);
  EXPECT_FALSE(fs::exists(tree));
  EXPECT_TRUE(fs::exists(outside + "/precious.txt"));

  std::string file = scratch.file("single.txt");
  testing::ScratchDirectory::write(file, "x");
  deletePath(file);
  EXPECT_FALSE(fs::exists(file));

  enableLog();
  deletePath(scratch.file("missing"));
  EXPECT_FALSE(fs::exists(scratch.file("log.txt")));
}

TEST_F(TempFilesTest, FailedRemovalIsLoggedAsWarning) {
  enableLog();
  std::string dir = scratch.file("full");
  fs::create_directories(dir);
  testing::ScratchDirectory::write(dir + "/x", "x");
  EXPECT_FALSE(deleteFileOrEmptyDirectory(dir));
  EXPECT_EQ(logText(), "------------------\nWARNING: Could not delete " + dir + " :  " +
                           systemErrorText(ENOTEMPTY) + "\n");
  EXPECT_TRUE(deleteFileOrEmptyDirectory(dir + "/x"));
  EXPECT_TRUE(deleteFileOrEmptyDirectory(dir));
}

TEST_F(TempFilesTest, FileExistence) {
  enableLog();
  std::string file = scratch.file("there.txt");
  testing::ScratchDirectory::write(file, "x");
  EXPECT_TRUE(fileExists(file));
  EXPECT_FALSE(fileExists(scratch.file("absent.txt")));
  EXPECT_FALSE(fileExists(scratch.file("absent/below.txt")));
  EXPECT_FALSE(fs::exists(scratch.file("log.txt")));
  // Anything else is logged as a plain line and counts as absent.
  EXPECT_FALSE(fileExists(scratch.path().string()));
  EXPECT_EQ(logText(), "------------------\n" + systemErrorText(EISDIR) + "\n");
}

TEST(PathQueriesTest, ParentDirectory) {
  const std::string s(1, platform::kPathSeparator);
  struct Case {
    std::string path, parent;
  };
  const Case cases[] = {
      {"C:" + s + "Work" + s + "x" + s + "setup.exe", "C:" + s + "Work" + s + "x"},
      {"dir" + s, "dir"},
      {s + "top", ""},
      {"name.exe", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(parentDirectory(c.path), c.parent) << c.path;
}

TEST(PathQueriesTest, ShortPathOfExistingPathOnly) {
  testing::ScratchDirectory scratch;
  std::string file = scratch.file("long name.txt");
  testing::ScratchDirectory::write(file, "x");
  EXPECT_EQ(shortPathName(file), file);
  EXPECT_EQ(shortPathName(scratch.file("missing")), "");
}

}  // namespace
}  // namespace vd
