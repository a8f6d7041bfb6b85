#include "jvm/verification.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "launch_fixture.h"
#include "platform/path.h"

namespace vd {
namespace {

using testing::jvmOf;
namespace fs = std::filesystem;

const std::string kSep(1, platform::kPathSeparator);

class VerificationTest : public testing::LaunchTest {
 protected:
  bool logged(const std::string& text) const { return log().find(text) != std::string::npos; }
};

std::vector<ExpectedProperty> expecting(const std::string& value) {
  return {ExpectedProperty{"java.version", value}};
}

TEST_F(VerificationTest, PropertyValuesAndPrefixes) {
  struct Case {
    std::string expected, line;
    bool passes;
  } cases[] = {
      {"1.4...", "1.4.2_05", true}, {"1.4...", "1.4", true},  {"1.4...", "1.5.0", false},
      {"1.4...", "1", false},       {"17", "17", true},       {"17", "17.0.1", false},
      {"Sun", "sun", false},        {"...", "anything", true}, {"", "", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.passes, verificationOutputMatches("1739021872\n" + c.line + "\n",
                                                  expecting(c.expected)))
        << c.expected << " against " << c.line;
}

TEST_F(VerificationTest, OutputLinesAndTheMagicLine) {
  std::vector<ExpectedProperty> two = {{"a", "1"}, {"b", "x y"}};
  struct Case {
    std::string output;
    bool passes;
  } cases[] = {
      {"1739021872\n1\nx y\n", true},
      {"1739021872\r\n1\r\nx y\r\n", true},
      {"Picked up JAVA_TOOL_OPTIONS\nnoise\n1739021872\n1\nx y", true},
      {"  1739021872  \n\t1 \nx y\n", true},
      {"17390\r21872\n1\nx y\n", true},
      {"1739021872", true},    // nothing after the magic line: nothing to check
      {"1739021872\n1", true}, // ends before b
      {"1739021872\n2\nx y\n", false},
      {"1739021872\n1\nx  y\n", false},
      {"1\nx y\n", false},
      {"", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.passes, verificationOutputMatches(c.output, two)) << "[" << c.output << "]";
}

TEST_F(VerificationTest, AMissingMagicLineLogsTheLastLine) {
  EXPECT_FALSE(verificationOutputMatches("first\nError: no class Verify\r\n", {}));
  EXPECT_TRUE(logged("ERROR: Invalid magic value: Error: no class Verify\n\n"));
  EXPECT_FALSE(verificationOutputMatches("", {}));
  EXPECT_TRUE(logged("ERROR: Invalid magic value: \n\n"));
}

TEST_F(VerificationTest, CommandNamesTheTrimmedPropertiesAndKeepsAQuotedClassPath) {
  JvmDescriptor jvm = jvmOf({{"JVM_PROPERTIES", " java.version = 1.4... "},
                             {"JVM_PROPERTIES", "no equals sign"},
                             {"JVM_PROPERTIES", "java.vendor=Sun Microsystems Inc.\r"}});
  VerificationCommand command =
      buildVerificationCommand(jvm, "H" + kSep, "\"V.jar\"", "\"Verify\"");
  EXPECT_EQ("\"H" + kSep + "@JVM_EXE@\" %CP%(\"\"\"V.jar\"\"\")  @REQ_JAVA_ARGS@ \"Verify\" "
            "java.version java.vendor",
            command.text);
  ASSERT_EQ(2u, command.expected.size());
  EXPECT_EQ("java.version", command.expected[0].name);
  EXPECT_EQ("1.4...", command.expected[0].value);
  EXPECT_EQ("Sun Microsystems Inc.", command.expected[1].value);
  EXPECT_TRUE(logged("WARNING: Invalid JVM_PROPERTIES setting (no equals sign) in JVM File "
                     "test.jvm\n"));

  // A class path given without quotes is quoted as well; none at all stays an empty list.
  VerificationCommand plain = buildVerificationCommand(jvm, "H", "V.jar", "Verify");
  EXPECT_EQ(0u, plain.text.find("\"H" + kSep + "@JVM_EXE@\" %CP%(\"\"\"V.jar\"\"\")  @REQ_JAVA_ARGS@ Verify"));
  VerificationCommand none = buildVerificationCommand(jvm, "H", "", "");
  EXPECT_EQ(0u, none.text.find("\"H" + kSep + "@JVM_EXE@\" %CP%()  @REQ_JAVA_ARGS@  java"));
}

TEST_F(VerificationTest, NothingToVerifyWithoutAnExecutableOrAHome) {
  JvmDescriptor noExe = jvmOf({{"JVM_PROPERTIES", "a=1"}});
  EXPECT_FALSE(noExe.verifyCandidate("somewhere", "", ""));
  JvmDescriptor jvm = jvmOf({{"JVM_EXE", "bin" + kSep + "java"}, {"JVM_HOME", "old"}});
  EXPECT_FALSE(jvm.verifyCandidate("", "", ""));
  EXPECT_FALSE(logged("Verifying JVM at"));
}

TEST_F(VerificationTest, AMissingExecutableIsLoggedAndLeavesTheHomeAlone) {
  JvmDescriptor jvm = jvmOf({{"JVM_EXE", "bin" + kSep + "java"}, {"JVM_HOME", "old"},
                             {"DESC", "Some JVM"}});
  std::string home = scratch.file("nothing") + kSep;
  EXPECT_FALSE(jvm.verifyCandidate(home, "", ""));
  std::string exe = home + "bin" + kSep + "java";
  EXPECT_TRUE(logged("Verifying JVM at " + exe + "\n   for JVM: Some JVM\n"));
  EXPECT_TRUE(logged(exe + " does not exist\n"));
  EXPECT_EQ("old", jvm.value("JVM_HOME"));
}

#ifndef _WIN32
// A JVM home whose bin/java is a shell script: it records its arguments and JAVA_HOME and
// prints the text of out.txt beside it.
class ScriptedJvmTest : public VerificationTest {
 protected:
  ScriptedJvmTest() {
    // The child runs in the launcher's directory.
    settings().launcherFile = scratch.file("setup");
    fs::create_directories(home() + "/bin");
    testing::ScratchDirectory::write(
        home() + "/bin/java",
        "#!/bin/sh\n"
        "d=$(dirname \"$0\")\n"
        "for a in \"$@\"; do printf '[%s]' \"$a\"; done > \"$d/args.txt\"\n"
        "printf '%s' \"$JAVA_HOME\" > \"$d/java_home.txt\"\n"
        "cat \"$d/out.txt\"\n");
    fs::permissions(home() + "/bin/java", fs::perms::owner_all);
  }
  std::string home() const { return scratch.file("jdk"); }
  void prints(const std::string& text) const {
    testing::ScratchDirectory::write(home() + "/bin/out.txt", text);
  }
  std::string recorded(const std::string& name) const {
    return testing::ScratchDirectory::read(home() + "/bin/" + name);
  }
  JvmDescriptor jvm = jvmOf({{"JVM_EXE", "bin/java"},
                             {"JVM_PROPERTIES", "java.version=17..."},
                             {"JVM_PROPERTIES", "java.vendor = Vendor A"},
                             {"CLASSPATH", " -cp "},
                             {"CLASSPATH_SEPARATOR", ":"},
                             {"REQ_JAVA_ARGS", "-Xshare:auto"},
                             {"DESC", "Java 17"}});
};

TEST_F(ScriptedJvmTest, AMatchingJvmRunsTheVerificationClassWithThePropertyNames) {
  prints("1739021872\n17.0.15\nVendor A\n");
  std::optional<JvmMatch> match = jvm.verifyCandidate(home(), "\"/v dir/Verify.jar\"", "\"Verify\"");
  ASSERT_TRUE(match);
  EXPECT_EQ(home(), match->home);
  EXPECT_FALSE(match->temporary);
  EXPECT_EQ(&jvm.tags(), match->tags);
  EXPECT_EQ(home(), jvm.value("JVM_HOME"));
  EXPECT_EQ("[-cp][/v dir/Verify.jar][-Xshare:auto][Verify][java.version][java.vendor]",
            recorded("args.txt"));
  EXPECT_EQ(home(), recorded("java_home.txt"));
  EXPECT_TRUE(logged("Found matching JVM at " + home() + "\n"));
}

TEST_F(ScriptedJvmTest, AClassPathGivenWithoutQuotesIsStillOneArgument) {
  prints("1739021872\n17\nVendor A\n");
  EXPECT_TRUE(jvm.verifyCandidate(home(), "/v dir/Verify.jar", "Verify"));
  EXPECT_EQ("[-cp][/v dir/Verify.jar][-Xshare:auto][Verify][java.version][java.vendor]",
            recorded("args.txt"));
}

TEST_F(ScriptedJvmTest, AWrongValueIsNoMatchButTheHomeStays) {
  prints("1739021872\n1.4.2\nVendor A\n");
  EXPECT_FALSE(jvm.verifyCandidate(home() + "/", "\"V.jar\"", "\"Verify\""));
  EXPECT_EQ(home() + "/", jvm.value("JVM_HOME"));
  EXPECT_FALSE(logged("Found matching JVM"));
  // No doubled separator in the executable's path.
  EXPECT_TRUE(logged("Verifying JVM at " + home() + "/bin/java\n"));
}

TEST_F(ScriptedJvmTest, WithoutAVerificationArchiveTheMagicLineIsMissing) {
  prints("Error: Could not find or load main class\n");
  EXPECT_FALSE(jvm.verifyCandidate(home(), "", ""));
  EXPECT_TRUE(logged("ERROR: Invalid magic value: Error: Could not find or load main class\n"));
}
#endif

}  // namespace
}  // namespace vd
