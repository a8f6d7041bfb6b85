#include "platform/directory_walker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "launcher/process_state.h"
#include "platform/directory_listing.h"
#include "recording_ui.h"
#include "scratch_directory.h"
#include "ui/status.h"

namespace vd {
namespace {

namespace fs = std::filesystem;

// Collects the files it is shown; stops on the file `stopAt` names.
class CollectingWalker : public DirectoryWalker {
 public:
  explicit CollectingWalker(bool cancellable = false) : DirectoryWalker(cancellable) {}

  bool onFile(const std::string& path) override {
    files.push_back(path);
    if (onEachFile) onEachFile();
    return !stopAt.empty() && path.ends_with(stopAt);
  }
  bool skipDirectory(const std::string& dir) override {
    asked.push_back(dir);
    return !skip.empty() && dir.ends_with(skip);
  }

  std::vector<std::string> files;
  std::vector<std::string> asked;
  std::string stopAt;
  std::string skip;
  std::function<void()> onEachFile;
};

class DirectoryWalkerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetProcessState();
    setProgressUi(&ui);
  }
  void TearDown() override { resetProcessState(); }

  std::string root() const { return scratch.path().string(); }
  std::string path(const std::string& relative) const { return (scratch.path() / relative).string(); }
  void makeFile(const std::string& relative) {
    fs::create_directories(fs::path(path(relative)).parent_path());
    testing::ScratchDirectory::write(path(relative), "x");
  }
  int progressSteps() const {
    return static_cast<int>(std::count(ui.calls.begin(), ui.calls.end(), "advanceProgress(1)"));
  }

  testing::ScratchDirectory scratch;
  testing::RecordingUi ui;
};

// The subdirectories of `dir` in the order the system lists them.
std::vector<std::string> listedDirectories(const std::string& dir) {
  std::vector<std::string> names;
  platform::DirectoryListing listing(dir + "/");
  platform::DirectoryEntry entry;
  while (listing.next(entry) == platform::DirectoryListing::Step::kEntry)
    if (entry.directory && entry.name != "." && entry.name != "..") names.push_back(entry.name);
  return names;
}

TEST_F(DirectoryWalkerTest, MissingStartDirectoryYieldsNothing) {
  for (const std::string& start : {path("missing"), path("missing/deeper/")}) {
    CollectingWalker walker;
    EXPECT_FALSE(walker.walk(start));
    EXPECT_TRUE(walker.files.empty());
    EXPECT_EQ(walker.visited(), std::vector<std::string>{start});
  }
}

TEST_F(DirectoryWalkerTest, LastListedSubdirectoryIsVisitedFirst) {
  makeFile("A/a.txt");
  makeFile("A/inner/deep.txt");
  makeFile("B/b.txt");
  makeFile("top.txt");
  std::vector<std::string> listed = listedDirectories(root());
  ASSERT_EQ(listed.size(), 2u);

  CollectingWalker walker;
  EXPECT_FALSE(walker.walk(root()));
  // Everything below the first-listed directory comes after the second-listed one.
  std::vector<std::string> expected =
      listed[0] == "A" ? std::vector<std::string>{root(), path("B"), path("A"), path("A/inner")}
                       : std::vector<std::string>{root(), path("A"), path("A/inner"), path("B")};
  EXPECT_EQ(walker.visited(), expected);
  std::vector<std::string> files = walker.files;
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{path("A/a.txt"), path("A/inner/deep.txt"),
                                             path("B/b.txt"), path("top.txt")}));
  // Each directory is offered with a trailing separator.
  EXPECT_EQ(walker.asked[0], root() + "/");
}

TEST_F(DirectoryWalkerTest, StopOnFirstFileLeavesTheStack) {
  makeFile("only.txt");
  makeFile("sub1/x.txt");
  makeFile("sub2/y.txt");
  CollectingWalker walker;
  walker.stopAt = "only.txt";
  // Listing order decides whether the subdirectories were pushed before the file was seen.
  EXPECT_TRUE(walker.walk(root()));
  EXPECT_EQ(walker.files, std::vector<std::string>{path("only.txt")});
  EXPECT_EQ(walker.visited(), std::vector<std::string>{root()});
  for (const std::string& left : walker.stack())
    EXPECT_TRUE(left == path("sub1") || left == path("sub2")) << left;
}

TEST_F(DirectoryWalkerTest, SkippedDirectoryIsVisitedButNotListed) {
  makeFile("keep/k.txt");
  makeFile("skip/s.txt");
  makeFile("skip/below/t.txt");
  CollectingWalker walker;
  walker.skip = "skip/";
  walker.walk(root());
  EXPECT_EQ(walker.files, std::vector<std::string>{path("keep/k.txt")});
  EXPECT_EQ(walker.visited().size(), 3u);
}

TEST_F(DirectoryWalkerTest, CancelStopsOnlyACancellableWalk) {
  makeFile("a/1.txt");
  makeFile("b/2.txt");
  makeFile("c/3.txt");
  processState().cancelRequested = true;
  CollectingWalker cancellable(true);
  EXPECT_FALSE(cancellable.walk(root()));
  EXPECT_TRUE(cancellable.visited().empty());

  CollectingWalker deleting(false);
  deleting.walk(root());
  EXPECT_EQ(deleting.files.size(), 3u);

  // A cancel during the walk ends it after the entry in hand.
  processState().cancelRequested = false;
  CollectingWalker interrupted(true);
  interrupted.onEachFile = [] { processState().cancelRequested = true; };
  EXPECT_FALSE(interrupted.walk(root()));
  EXPECT_EQ(interrupted.files.size(), 1u);
}

TEST_F(DirectoryWalkerTest, ProgressStepsEveryHundredFiles) {
  for (int i = 0; i < 150; ++i) makeFile("one/f" + std::to_string(i));
  for (int i = 0; i < 100; ++i) makeFile("two/f" + std::to_string(i));
  CollectingWalker walker;
  walker.walk(root());
  EXPECT_EQ(walker.files.size(), 250u);
  EXPECT_EQ(progressSteps(), 2);

  // The count starts again with each walk.
  ui.calls.clear();
  walker.walk(path("one"));
  EXPECT_EQ(progressSteps(), 1);
}

TEST_F(DirectoryWalkerTest, LinkedDirectoryIsAFileAndNotEntered) {
  makeFile("outside/secret.txt");
  fs::create_directories(path("tree"));
  fs::create_directory_symlink(path("outside"), path("tree/link"));
  CollectingWalker walker;
  walker.walk(path("tree"));
  EXPECT_EQ(walker.files, std::vector<std::string>{path("tree/link")});
  EXPECT_EQ(walker.visited(), std::vector<std::string>{path("tree")});
}

}  // namespace
}  // namespace vd
