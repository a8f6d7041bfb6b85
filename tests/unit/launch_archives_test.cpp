// The embedded archives a launch command uses: class path archives and the application archive.
#include <gtest/gtest.h>

#include <filesystem>

#include "archive/launcher_archive.h"
#include "archive_builder.h"
#include "launch/launch_script.h"
#include "launch_fixture.h"

namespace vd {
namespace {

namespace fs = std::filesystem;
using testing::jvmOf;
using testing::ScratchDirectory;
using testing::tagsOf;

class LaunchArchivesTest : public testing::LaunchTest {
 protected:
  void openLauncherWith(const std::vector<testing::ArchiveFile>& files) {
    settings().launcherFile = scratch.file("launcher");
    ScratchDirectory::write(settings().launcherFile, testing::buildLauncher(files).bytes);
    processState().archive.open(false);
  }
  std::string build(const std::string& command, bool archives = true,
                    testing::TagPairs jvmTags = {{"CLASSPATH", " -cp "},
                                                 {"CLASSPATH_SEPARATOR", ";"}}) {
    LaunchScript script(command, true, archives);
    return script.buildCommand(jvmOf(jvmTags));
  }
  // The extracted file at `path`, which must lie in a directory of its own below the
  // temporary directory.
  std::string extracted(const std::string& path) const {
    EXPECT_EQ(fs::path(tempRoot()), fs::path(path).parent_path().parent_path()) << path;
    return ScratchDirectory::read(path);
  }
};

TEST_F(LaunchArchivesTest, ClassPathArchivesAreExtractedAndQuoted) {
  openLauncherWith({{ClassPathArchive, 1, "lib1.jar", "L1"},
                    {ApplicationArchive, 2, "app.jar", "A"},
                    {ClassPathArchive, 3, "lib2.jar", "L2"}});
  std::string option = build(R"(%CP%("first.jar"))");
  ASSERT_TRUE(option.starts_with(" -cp first.jar;\"")) << option;
  size_t split = option.find("\";\"");
  ASSERT_NE(std::string::npos, split) << option;
  std::string lib1 = option.substr(16, split - 16);
  std::string lib2 = option.substr(split + 3, option.size() - split - 4);
  EXPECT_EQ("L1", extracted(lib1));
  EXPECT_EQ("L2", extracted(lib2));
  EXPECT_EQ("lib2.jar", fs::path(lib2).filename());
}

TEST_F(LaunchArchivesTest, EnvironmentFormTakesArchivesUnquoted) {
  setEnv("VD_ARCHIVES_CP", std::nullopt);
  openLauncherWith({{ClassPathArchive, 1, "lib1.jar", "L1"}});
  build("%CP%()", true, {{"USE_CP_ENV_VAR", "1"}, {"CP_ENV_VAR", "VD_ARCHIVES_CP"}});
  std::string value = platform::getEnvironmentVariable("VD_ARCHIVES_CP").value_or("");
  EXPECT_EQ("L1", extracted(value));
}

TEST_F(LaunchArchivesTest, VerificationCommandsLeaveTheArchivesOut) {
  openLauncherWith({{ClassPathArchive, 1, "lib1.jar", "L1"}});
  EXPECT_EQ(" -cp v.jar", build(R"(%CP%("v.jar"))", false));
  EXPECT_TRUE(fs::is_empty(tempRoot()));
}

TEST_F(LaunchArchivesTest, ApplicationArchiveIsTheLastOneAndFoundOnce) {
  openLauncherWith({{ApplicationArchive, 1, "app1.jar", "A1"},
                    {ApplicationArchive, 2, "app2.jar", "A2"}});
  std::string path = build("%APPLICATION_ARCHIVE%()");
  EXPECT_EQ("app2.jar", fs::path(path).filename());
  EXPECT_EQ("A2", extracted(path));
  writeBeside("other.jar", "O");
  EXPECT_EQ(path, build(R"(%APPLICATION_ARCHIVE%("other.jar"))"));
  EXPECT_EQ(path, build("%APPLICATION_ARCHIVE%()"));
}

TEST_F(LaunchArchivesTest, ApplicationArchiveBesideTheLauncherIsCopied) {
  EXPECT_EQ("", build(R"(%APPLICATION_ARCHIVE%("app.jar"))"));
  std::string big(10000, 'x');  // more than one copy block
  fs::create_directories(scratch.file("dist"));
  writeBeside("dist/app.jar", big);
  std::string path = build(R"(%APPLICATION_ARCHIVE%("dist/app.jar"))");
  EXPECT_EQ("app.jar", fs::path(path).filename());
  EXPECT_EQ(big, extracted(path));
  EXPECT_EQ(path, build(R"(%APPLICATION_ARCHIVE%("else.jar"))"));
}

}  // namespace
}  // namespace vd
