#include "jvm/jvm_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "archive_builder.h"
#include "jvm/drive_scan_visitor.h"
#include "launch_fixture.h"
#include "platform/path.h"

namespace vd {
namespace {

using testing::jvmOf;
using testing::TagPairs;
namespace fs = std::filesystem;

const std::string kSep(1, platform::kPathSeparator);

// Drives that are directories of the test; no registry values.
class TreeSources : public HintSources {
 public:
  platform::RegistryRead readRegistryText(platform::RegistryRoot, const std::string&,
                                          const std::string&) const override {
    return platform::RegistryRead{platform::RegistryRead::Status::kKeyNotOpened, 2, ""};
  }
  std::vector<platform::LogicalDrive> logicalDrives() const override {
    std::vector<platform::LogicalDrive> drives;
    for (const std::string& root : roots)
      drives.push_back({root + kSep, platform::DriveType::kFixed});
    return drives;
  }
  std::vector<std::string> roots;
};

class RecordingSink : public CandidateFileSink {
 public:
  bool onCandidateFile(const std::string& path) override {
    files.push_back(path);
    return path == stopAt;
  }
  std::vector<std::string> files;
  std::string stopAt;
};

class JvmSearchTest : public testing::LaunchTest {
 protected:
  JvmSearchTest() {
    sources.roots = {tree()};
    fs::create_directories(tree());
    search.setHintSources(sources);
    search.setCandidateCheck([this](JvmDescriptor& jvm, const std::string& home) {
      checked.push_back(jvm.name() + " " + home);
      if (!accepted.count(home)) return std::optional<JvmMatch>();
      return std::optional<JvmMatch>(JvmMatch{home, false, &jvm.tags()});
    });
  }

  std::string tree() const { return scratch.file("tree"); }
  // A file below the tree, directories made as needed; returns its path.
  std::string file(const std::string& relative) const {
    fs::path path = fs::path(tree()) / relative;
    fs::create_directories(path.parent_path());
    testing::ScratchDirectory::write(path.string(), "");
    return path.string();
  }
  std::string home(const std::string& relative) const { return tree() + kSep + relative; }
  void add(const std::string& name, TagPairs pairs) {
    search.addDescriptor(std::make_unique<JvmDescriptor>(testing::tagsOf(pairs), name));
  }
  bool logged(const std::string& line) const {
    return log().find(line + "\n") != std::string::npos;
  }
  std::vector<std::string> homesOf(const std::vector<JvmMatch>& matches) const {
    std::vector<std::string> homes;
    for (const JvmMatch& m : matches) homes.push_back(m.home);
    return homes;
  }

  TreeSources sources;
  JvmSearch search;
  std::vector<std::string> checked;
  std::set<std::string> accepted;
  std::vector<JvmMatch> results;
};

TEST(DriveScanNames, MatchAtASeparatorIgnoringCase) {
  struct Case {
    std::string path, name;
    bool matches;
  } cases[] = {
      {"X" + kSep + "bin" + kSep + "java", "bin" + kSep + "java", true},
      {"X" + kSep + "BIN" + kSep + "JAVA", "bin" + kSep + "java", true},
      {"X" + kSep + "mybin" + kSep + "java", "bin" + kSep + "java", false},
      {"bin" + kSep + "java", "bin" + kSep + "java", true},
      {"java", "bin" + kSep + "java", false},
      {"X" + kSep + "bin" + kSep + "javaw", "bin" + kSep + "java", false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.matches, endsWithPathName(c.path, c.name)) << c.path;
}

TEST_F(JvmSearchTest, VisitorSkipsTheTemporaryDirectoryAndRecycleBins) {
  std::vector<std::string> names;
  RecordingSink sink;
  DriveScanVisitor visitor(names, sink, "C:" + kSep + "Temp");
  struct Case {
    std::string dir;
    bool skipped;
  } cases[] = {
      {"C:" + kSep + "Temp" + kSep, true},
      {"c:" + kSep + "TEMP" + kSep, true},
      {"C:" + kSep + "Temp" + kSep + "x" + kSep, false},
      {"X:\\RECYCLER\\", true},   {"X:\\recycled\\", true},   {"X:\\RecycleStuff\\", true},
      {"X:\\a\\RECYCLER\\", false}, {"X:\\RECYCL\\", false},  {"RECYCLER\\", false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.skipped, visitor.skipDirectory(c.dir)) << c.dir;
#ifndef _WIN32
  for (const char* dir : {"/proc/", "/sys/", "/dev/", "/run/"}) EXPECT_TRUE(visitor.skipDirectory(dir));
  for (const char* dir : {"/", "/usr/", "/proc/x/", "/home/run/"})
    EXPECT_FALSE(visitor.skipDirectory(dir));
#endif
}

TEST_F(JvmSearchTest, VisitorReportsEachMatchingFileOnceAndDoesNotFollowLinks) {
  std::string a = file("a" + kSep + "bin" + kSep + "java");
  file("b" + kSep + "bin" + kSep + "javac");
  std::string upper = file("c" + kSep + "BIN" + kSep + "JAVA");
  std::error_code linkError;
  fs::create_directory_symlink(home("a"), home("link"), linkError);
  fs::create_directory_symlink(tree(), home("a") + kSep + "loop", linkError);
  std::vector<std::string> names = {"bin" + kSep + "java"};
  RecordingSink sink;
  DriveScanVisitor visitor(names, sink, tempRoot());
  EXPECT_FALSE(visitor.walk(tree() + kSep));
  std::sort(sink.files.begin(), sink.files.end());
  EXPECT_EQ((std::vector<std::string>{a, upper}), sink.files);

  sink.files.clear();
  sink.stopAt = a;
  EXPECT_TRUE(visitor.walk(tree() + kSep));
}

TEST_F(JvmSearchTest, NoSearchAllMeansNoScan) {
  add("a.jvm", {{"JVM_EXE", "bin" + kSep + "java"}, {"JVM_PROPERTIES", "java.version=1..."}});
  file("x" + kSep + "bin" + kSep + "java");
  search.findJvm(results);
  EXPECT_TRUE(results.empty());
  EXPECT_TRUE(logged("Initiating JVM search based on hints..."));
  EXPECT_FALSE(logged("Beginning exhaustive search"));
}

TEST_F(JvmSearchTest, HintsUpToTheFirstSearchAllThenScanForEveryExecutable) {
  std::string exe = "bin" + kSep + "java";
  std::string jreExe = "jre" + kSep + "bin" + kSep + "java";
  add("a.jvm", {{"JVM_EXE", exe}, {"JVM_PROPERTIES", "p=1"}, {"PATH_HINT", kSep + "ha"}});
  add("b.jvm", {{"JVM_EXE", jreExe}, {"JVM_PROPERTIES", "p=1"}, {"PATH_HINT", kSep + "hb"},
                {"SEARCH_ALL", "1"}});
  add("c.jvm", {{"JVM_EXE", exe}, {"JVM_PROPERTIES", "p=1"}, {"PATH_HINT", kSep + "hc"}});
  file("j1" + kSep + "jre" + kSep + "bin" + kSep + "java");
  accepted = {home("j1")};
  search.findJvm(results);

  // Only the first jvm file's candidate is verified during the scan (a: j1/jre, rejected); b's
  // (j1) and c's (j1/jre) wait, and b's matches after the scan. The file ends with both
  // executable names, so the scan offers it twice and a checks it twice.
  EXPECT_EQ(homesOf(results), std::vector<std::string>{home("j1")});
  EXPECT_EQ((std::vector<std::string>{"a.jvm " + home("ha"), "b.jvm " + home("hb"),
                                      "a.jvm " + home("j1" + kSep + "jre"),
                                      "a.jvm " + home("j1" + kSep + "jre"),
                                      "b.jvm " + home("j1")}),
            checked);
  ASSERT_EQ(2u, search.unverifiedMatches().size());
  EXPECT_EQ("b.jvm", search.unverifiedMatches()[0].descriptor->name());
  EXPECT_EQ(std::vector<std::string>{home("j1")}, search.unverifiedMatches()[0].homes);
  EXPECT_EQ("c.jvm", search.unverifiedMatches()[1].descriptor->name());
  EXPECT_EQ(std::vector<std::string>{home("j1" + kSep + "jre")},
            search.unverifiedMatches()[1].homes);
  EXPECT_TRUE(logged("Processing unverified matches.\n"));
}

TEST_F(JvmSearchTest, TheFirstDescriptorsCandidateEndsTheScanWhenItMatches) {
  std::string exe = "bin" + kSep + "java";
  add("a.jvm", {{"JVM_EXE", exe}, {"JVM_PROPERTIES", "p=1"}, {"SEARCH_ALL", "1"}});
  add("b.jvm", {{"JVM_EXE", exe}, {"JVM_PROPERTIES", "p=1"}});
  file("x" + kSep + "bin" + kSep + "java");
  accepted = {home("x")};
  search.findJvm(results);
  EXPECT_EQ(homesOf(results), std::vector<std::string>{home("x")});
  EXPECT_EQ(std::vector<std::string>{"a.jvm " + home("x")}, checked);
  EXPECT_TRUE(search.unverifiedMatches().empty());
  EXPECT_FALSE(logged("Processing unverified matches.\n"));
}

TEST_F(JvmSearchTest, DeferredCandidatesAreVerifiedAfterTheScanUntilTheFirstMatch) {
  std::string exe = "bin" + kSep + "java";
  add("a.jvm", {{"JVM_EXE", "other"}, {"JVM_PROPERTIES", "p=1"}, {"SEARCH_ALL", "1"}});
  add("b.jvm", {{"JVM_EXE", exe}, {"JVM_PROPERTIES", "p=1"}});
  file("x" + kSep + "bin" + kSep + "java");
  file("y" + kSep + "bin" + kSep + "java");
  accepted = {home("x"), home("y")};
  search.findJvm(results);
  ASSERT_EQ(1u, results.size());
  EXPECT_TRUE(logged("Processing unverified matches.\n"));
  // Only one of the two deferred homes was verified: the first match ends the search.
  EXPECT_EQ(1u, checked.size());
  EXPECT_EQ(2u, search.unverifiedMatches()[0].homes.size());
}

TEST_F(JvmSearchTest, FindAllVerifiesTheSameHomeOncePerDescriptor) {
  std::string exe = "bin" + kSep + "java";
  add("a.jvm", {{"JVM_EXE", exe}, {"JVM_PROPERTIES", "p=1"}});
  add("b.jvm", {{"JVM_EXE", exe}, {"JVM_PROPERTIES", "p=2"}});
  file("x" + kSep + "bin" + kSep + "java");
  file("x" + kSep + "bin" + kSep + "BIN" + kSep + "JAVA");  // visitor yes, descriptors no
  accepted = {home("x")};
  search.findAllJvms(results);
  EXPECT_EQ((std::vector<std::string>{home("x"), home("x")}), homesOf(results));
  EXPECT_EQ((std::vector<std::string>{"a.jvm " + home("x"), "b.jvm " + home("x")}), checked);
  EXPECT_EQ("p=1", results[0].tags->get("JVM_PROPERTIES"));
  EXPECT_EQ("p=2", results[1].tags->get("JVM_PROPERTIES"));
}

TEST_F(JvmSearchTest, TheTemporaryDirectoryIsNotScanned) {
  add("a.jvm", {{"JVM_EXE", "bin" + kSep + "java"}, {"JVM_PROPERTIES", "p=1"}});
  setTempDirectory(home("tmp"));
  file("tmp" + kSep + "bin" + kSep + "java");
  file("tmp" + kSep + "x" + kSep + "bin" + kSep + "java");
  accepted = {home("tmp")};
  search.findAllJvms(results);
  EXPECT_TRUE(results.empty());
  EXPECT_TRUE(checked.empty());
}

TEST_F(JvmSearchTest, WithoutDescriptorsFindJvmLogsAndFindAllStillWalks) {
  search.findJvm(results);
  EXPECT_TRUE(logged("Initiating JVM search based on hints..."));
  search.findAllJvms(results);
  EXPECT_TRUE(logged("Beginning exhaustive search"));
  EXPECT_TRUE(results.empty());
}

TEST_F(JvmSearchTest, UserJavaHomeIsTriedWithEveryDescriptorFirst) {
  add("a.jvm", {{"JVM_EXE", "x"}});
  add("b.jvm", {{"JVM_EXE", "x"}});
  add("c.jvm", {{"JVM_EXE", "x"}});
  settings().javaHome = home("given");
  accepted = {home("given")};
  checked.clear();
  // a rejects (it checks the same home, but says no), b accepts, c is not asked.
  search.setCandidateCheck([this](JvmDescriptor& jvm, const std::string& h) {
    checked.push_back(jvm.name());
    if (jvm.name() == "a.jvm") return std::optional<JvmMatch>();
    return std::optional<JvmMatch>(JvmMatch{h, false, &jvm.tags()});
  });
  search.findJvm(results);
  EXPECT_EQ((std::vector<std::string>{"a.jvm", "b.jvm"}), checked);
  ASSERT_EQ(1u, results.size());
  EXPECT_TRUE(logged("Checking user specified Java home directory => " + home("given")));
  EXPECT_FALSE(logged("Initiating JVM search based on hints..."));
}

TEST_F(JvmSearchTest, CancellingEndsTheScanAndTheDeferredVerifications) {
  add("a.jvm", {{"JVM_EXE", "bin" + kSep + "java"}, {"JVM_PROPERTIES", "p=1"}});
  file("x" + kSep + "bin" + kSep + "java");
  processState().cancelRequested = true;
  search.findAllJvms(results);
  EXPECT_TRUE(results.empty());
  EXPECT_TRUE(checked.empty());
}

TEST_F(JvmSearchTest, VerificationDefaultsComeFromTheLastEmbeddedVerifyArchive) {
  std::string launcher = scratch.file("launcher.bin");
  testing::ScratchDirectory::write(
      launcher, testing::buildLauncher({{VerifyArchive, 1, "First.jar", "one"},
                                        {VerifyArchive, 2, "Verify.jar", "two"}})
                    .bytes);
  settings().launcherFile = launcher;
  processState().archive.open(false);
  std::string classPath, className;
  search.getVerification(classPath, className);
  ASSERT_GE(classPath.size(), 2u);
  EXPECT_EQ('"', classPath.front());
  EXPECT_EQ("\"Verify\"", className);
  std::string path = classPath.substr(1, classPath.size() - 2);
  EXPECT_EQ("Verify.jar", fs::path(path).filename().string());
  EXPECT_EQ("two", testing::ScratchDirectory::read(path));

  JvmSearch given;
  given.setVerification("cp", "Name");
  given.fillVerificationDefaults();
  EXPECT_EQ("cp", given.verificationClassPath());
  EXPECT_EQ("Name", given.verificationClassName());
}

TEST_F(JvmSearchTest, WithoutAVerifyArchiveTheDefaultsStayEmpty) {
  std::string classPath = "x", className = "y";
  search.getVerification(classPath, className);
  EXPECT_EQ("", classPath);
  EXPECT_EQ("", className);
}

}  // namespace
}  // namespace vd
