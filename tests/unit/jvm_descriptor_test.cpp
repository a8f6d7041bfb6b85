#include "jvm/jvm_descriptor.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <tuple>

#include "jvm/drive_list.h"
#include "jvm/platform_hint.h"
#include "launch/token_expansion.h"
#include "launch_fixture.h"

namespace vd {
namespace {

using platform::DriveType;
using platform::RegistryRead;
using platform::RegistryRoot;
using testing::errorOf;
using testing::jvmOf;
using Status = RegistryRead::Status;

// A registry of given values and a list of given drives; every read is recorded.
class FakeHintSources : public HintSources {
 public:
  using Key = std::tuple<RegistryRoot, std::string, std::string>;

  void value(RegistryRoot root, const std::string& key, const std::string& name,
             const std::string& text) {
    values_[{root, key, name}] = RegistryRead{Status::kFound, 0, text};
  }
  // The key opens but has no such value.
  void missingValue(RegistryRoot root, const std::string& key, const std::string& name) {
    values_[{root, key, name}] = RegistryRead{Status::kValueNotRead, ENOENT, ""};
  }
  RegistryRead readRegistryText(RegistryRoot root, const std::string& key,
                                const std::string& name) const override {
    reads.push_back({root, key, name});
    auto it = values_.find({root, key, name});
    if (it != values_.end()) return it->second;
    return RegistryRead{Status::kKeyNotOpened, ENOENT, ""};
  }
  std::vector<platform::LogicalDrive> logicalDrives() const override { return drives; }

  std::vector<platform::LogicalDrive> drives = {{"X:/", DriveType::kFixed},
                                                {"Y:/", DriveType::kRemote}};
  mutable std::vector<Key> reads;

 private:
  std::map<Key, RegistryRead> values_;
};

class JvmDescriptorTest : public testing::LaunchTest {
 protected:
  // Records each candidate; the one named `matching` matches.
  CandidateCheck recorder(const std::optional<std::string>& matching = std::nullopt) {
    return [this, matching](JvmDescriptor& jvm, const std::string& home) -> std::optional<JvmMatch> {
      checked.push_back(home);
      if (home != matching) return std::nullopt;
      return JvmMatch{home, false, &jvm.tags()};
    };
  }
  bool logHas(const std::string& line) const { return log().find(line + "\n") != std::string::npos; }

  FakeHintSources sources;
  std::vector<std::string> checked;
};

TEST_F(JvmDescriptorTest, ResolvesJvmValues) {
  JvmDescriptor jvm = jvmOf({{"JVM_HOME", "/jre/"}, {"DESC", "A JVM"}, {"OTHER", "/x/"}});
  JvmDescriptor twice = jvmOf({{"JVM_HOME", "/jre//"}});
  EXPECT_EQ("/jre/bin", expandTokens("@JVM_HOME@/bin", '@', jvm));
  EXPECT_EQ("/jre/", expandTokens("@JVM_HOME@", '@', twice));
  EXPECT_EQ("A JVM /x/ []", expandTokens("@DESC@ @OTHER@ [@UNKNOWN@]", '@', jvm));
}

TEST_F(JvmDescriptorTest, KeepsItsTagsAndName) {
  JvmDescriptor jvm = jvmOf({{"SEARCH_ALL", "1"}, {"PATH_HINT", "a"}, {"PATH_HINT", "b"}});
  EXPECT_TRUE(jvm.searchAll());
  EXPECT_EQ("b", jvm.value("PATH_HINT", 1));
  EXPECT_EQ("", jvm.value("PATH_HINT", 2));
  EXPECT_EQ("test.jvm", jvm.name());
  EXPECT_FALSE(jvmOf({}).searchAll());
}

TEST(PlatformHintTest, SplitsHiveKeyAndValue) {
  struct Case {
    const char* hint;
    PlatformHintParts parts;
  } cases[] = {
      {"\\HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Java\\JavaHome",
       {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Vendor\\Java", "JavaHome", "SOFTWARE\\Vendor\\Java\\JavaHome"}},
      {"HKEY_CURRENT_USER\\Software\\X\\Home",
       {"HKEY_CURRENT_USER", "Software\\X", "Home", "Software\\X\\Home"}},
      {"\\HKEY_LOCAL_MACHINE\\Home", {"HKEY_LOCAL_MACHINE", "Home", "Home", "Home"}},
      {"\\HKEY_LOCAL_MACHINE", {"", "", "", ""}},
  };
  for (const Case& c : cases) {
    PlatformHintParts parts = splitPlatformHint(c.hint);
    EXPECT_EQ(c.parts.hive, parts.hive) << c.hint;
    EXPECT_EQ(c.parts.keyPath, parts.keyPath) << c.hint;
    EXPECT_EQ(c.parts.valueName, parts.valueName) << c.hint;
    EXPECT_EQ(c.parts.fallbackKeyPath, parts.fallbackKeyPath) << c.hint;
  }
}

TEST_F(JvmDescriptorTest, ReadsTheNamedRegistryValue) {
  sources.value(RegistryRoot::kLocalMachine, "SOFTWARE\\Vendor\\Java", "JavaHome", "/jre");
  EXPECT_EQ(std::vector<std::string>{"/jre"},
            resolvePlatformHint("\\HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Java\\JavaHome", sources));
  EXPECT_EQ(std::vector<std::string>{"/jre"},
            resolvePlatformHint("HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Java\\JavaHome", sources));
  EXPECT_TRUE(resolvePlatformHint("", sources).empty());
}

TEST_F(JvmDescriptorTest, MapsEveryHive) {
  const std::pair<const char*, RegistryRoot> hives[] = {
      {"HKEY_LOCAL_MACHINE", RegistryRoot::kLocalMachine},
      {"HKEY_CURRENT_USER", RegistryRoot::kCurrentUser},
      {"HKEY_USERS", RegistryRoot::kUsers},
      {"HKEY_CLASSES_ROOT", RegistryRoot::kClassesRoot},
      {"HKEY_CURRENT_CONFIG", RegistryRoot::kCurrentConfig},
  };
  for (const auto& [name, root] : hives) {
    sources.value(root, "K", "V", name);
    EXPECT_EQ(std::vector<std::string>{name},
              resolvePlatformHint(std::string(name) + "\\K\\V", sources));
  }
}

TEST_F(JvmDescriptorTest, FallsBackToTheDefaultValueOfTheLastKey) {
  sources.missingValue(RegistryRoot::kCurrentUser, "Software\\X", "Home");
  sources.value(RegistryRoot::kCurrentUser, "Software\\X\\Home", "", "/jre");
  EXPECT_EQ(std::vector<std::string>{"/jre"},
            resolvePlatformHint("\\HKEY_CURRENT_USER\\Software\\X\\Home", sources));

  sources.missingValue(RegistryRoot::kLocalMachine, "Home", "Home");
  sources.value(RegistryRoot::kLocalMachine, "Home", "", "/other");
  EXPECT_EQ(std::vector<std::string>{"/other"},
            resolvePlatformHint("\\HKEY_LOCAL_MACHINE\\Home", sources));
}

TEST_F(JvmDescriptorTest, UnreadableHintWarnsAndGivesNothing) {
  std::string warning = "WARNING: Invalid platform hint: " + std::string(std::strerror(ENOENT));
  EXPECT_TRUE(resolvePlatformHint("\\HKEY_LOCAL_MACHINE\\Nope\\Value", sources).empty());
  EXPECT_TRUE(logHas(warning));
  EXPECT_EQ(1u, sources.reads.size());  // a key that does not open is not tried again

  sources.missingValue(RegistryRoot::kLocalMachine, "Key", "Value");
  EXPECT_TRUE(resolvePlatformHint("\\HKEY_LOCAL_MACHINE\\Key\\Value", sources).empty());
  EXPECT_EQ(3u, sources.reads.size());
}

TEST_F(JvmDescriptorTest, EmptyRegistryValueGivesNothingWithoutWarning) {
  sources.value(RegistryRoot::kLocalMachine, "Key", "Value", "");
  EXPECT_TRUE(resolvePlatformHint("\\HKEY_LOCAL_MACHINE\\Key\\Value", sources).empty());
  EXPECT_EQ(std::string::npos, log().find("WARNING"));
}

TEST_F(JvmDescriptorTest, UnknownHiveIsAnError) {
  EXPECT_EQ("Invalid hive () specified in platform hint (\\HKEY_LOCAL_MACHINE).",
            errorOf([&] { resolvePlatformHint("\\HKEY_LOCAL_MACHINE", sources); }));
  EXPECT_EQ("Invalid hive (hkey_local_machine) specified in platform hint "
            "(hkey_local_machine\\K\\V).",
            errorOf([&] { resolvePlatformHint("hkey_local_machine\\K\\V", sources); }));
}

TEST_F(JvmDescriptorTest, PlatformHintsAreCheckedInOrder) {
  sources.value(RegistryRoot::kLocalMachine, "A", "Home", "/a");
  sources.value(RegistryRoot::kLocalMachine, "B", "Home", "/b");
  JvmDescriptor jvm = jvmOf({{"DESC", "Test JVM"},
                             {"JVM_PROPERTIES", "java.version=1.4..."},
                             {"PLATFORM_HINT", ""},
                             {"PLATFORM_HINT", "\\HKEY_LOCAL_MACHINE\\Missing\\Home"},
                             {"PLATFORM_HINT", "\\HKEY_LOCAL_MACHINE\\A\\Home"},
                             {"PLATFORM_HINT", "\\HKEY_LOCAL_MACHINE\\B\\Home"},
                             {"PLATFORM_HINT", "\\HKEY_LOCAL_MACHINE\\C\\Home"}});
  std::optional<JvmMatch> match = jvm.findByPlatformHints(recorder("/b"), sources);
  ASSERT_TRUE(match);
  EXPECT_EQ("/b", match->home);
  EXPECT_FALSE(match->temporary);
  EXPECT_EQ((std::vector<std::string>{"/a", "/b"}), checked);
  EXPECT_EQ(3u, sources.reads.size());  // C is not read
  EXPECT_TRUE(logHas("Searching for Test JVM using platform hints"));
  EXPECT_TRUE(logHas("Checking JVM at /a which was resolved from platform hint "
                     "\\HKEY_LOCAL_MACHINE\\A\\Home"));
}

TEST_F(JvmDescriptorTest, StrategiesNeedRequiredProperties) {
  JvmDescriptor jvm = jvmOf({{"JVM_HOME", "/jre"}, {"PATH_HINT", "jre"}});
  EXPECT_FALSE(jvm.findByPlatformHints(recorder(), sources));
  EXPECT_FALSE(jvm.findByPathHints(recorder(), sources));
  EXPECT_FALSE(jvm.findByPlatformJvmPaths(recorder()));
  EXPECT_FALSE(jvm.verifyDeclaredHome(recorder()));
  EXPECT_TRUE(checked.empty());
  EXPECT_TRUE(logHas("WARNING: Unable to verify test.jvm because the JVM_PROPERTIES tag was not "
                     "specified."));
}

TEST_F(JvmDescriptorTest, AbsolutePathHintIsTriedOnEveryDrive) {
  JvmDescriptor jvm = jvmOf({{"DESC", "Test JVM"}, {"JVM_PROPERTIES", "a=b"}, {"PATH_HINT", "/jre"}});
  EXPECT_FALSE(jvm.findByPathHints(recorder(), sources));
  EXPECT_EQ((std::vector<std::string>{"X:/jre", "Y:/jre"}), checked);
  EXPECT_TRUE(logHas("Searching for Test JVM using path hints"));
  EXPECT_TRUE(logHas("Checking path hint X:/jre"));
  EXPECT_TRUE(logHas("Checking path hint Y:/jre"));
}

TEST_F(JvmDescriptorTest, RelativePathHintIsBesideTheLauncherAndTemporary) {
  JvmDescriptor jvm = jvmOf({{"JVM_PROPERTIES", "a=b"}, {"PATH_HINT", ""}, {"PATH_HINT", "jre"}});
  std::string directory = scratch.path().string() + "/";
  std::optional<JvmMatch> match = jvm.findByPathHints(recorder(directory + "jre"), sources);
  ASSERT_TRUE(match);
  EXPECT_TRUE(match->temporary);
  EXPECT_EQ((std::vector<std::string>{directory, directory + "jre"}), checked);
  EXPECT_FALSE(logHas("Checking path hint " + directory + "jre"));

  settings().origLauncherFile = "setup";
  checked.clear();
  jvm.findByPathHints(recorder(), sources);
  EXPECT_EQ((std::vector<std::string>{"", "jre"}), checked);
}

TEST_F(JvmDescriptorTest, DriveListKeepsFixedAndRemoteDrives) {
  sources.drives = {{"A:\\", DriveType::kOther},
                    {"C:\\", DriveType::kFixed},
                    {"D:\\", DriveType::kRemote},
                    {"E:\\", DriveType::kOther}};
  EXPECT_EQ((std::vector<std::string>{"C:", "D:"}), driveList(sources));
  sources.drives.clear();
  EXPECT_EQ("No drives found on this system.", errorOf([&] { driveList(sources); }));
  // Even without path hints the strategy needs the drives.
  JvmDescriptor jvm = jvmOf({{"JVM_PROPERTIES", "a=b"}});
  EXPECT_EQ("No drives found on this system.", errorOf([&] { jvm.findByPathHints(recorder(), sources); }));
}

TEST_F(JvmDescriptorTest, TheRootFileSystemIsTheOnlyDriveHere) {
  EXPECT_EQ(std::vector<std::string>{""}, driveList());
}

TEST_F(JvmDescriptorTest, PlatformJvmPathsAndDeclaredHome) {
  JvmDescriptor jvm = jvmOf({{"DESC", "Test JVM"}, {"JVM_PROPERTIES", "a=b"}, {"JVM_HOME", "/jre"}});
  EXPECT_FALSE(jvm.findByPlatformJvmPaths(recorder()));
  EXPECT_TRUE(logHas("Searching for Test JVM using platform specific JVM Path hints"));
  EXPECT_TRUE(jvm.verifyDeclaredHome(recorder("/jre")));
  EXPECT_EQ(std::vector<std::string>{"/jre"}, checked);
}

}  // namespace
}  // namespace vd
