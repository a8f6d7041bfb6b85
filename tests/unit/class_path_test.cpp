#include "launch/class_path.h"

#include <gtest/gtest.h>

#include "launch/java_arguments.h"
#include "launch/launch_script.h"
#include "launch/side_files.h"
#include "launch_fixture.h"

namespace vd {
namespace {

using testing::jvmOf;
using testing::TagPairs;

class ClassPathTest : public testing::LaunchTest {
 protected:
  std::string build(const std::string& command, TagPairs jvmTags,
                    const std::string& archive = std::string()) {
    LaunchScript script(testing::tagsOf({{"COMMAND", command}, {"ARCHIVE", archive}}));
    return script.buildCommand(jvmOf(jvmTags));
  }
};

const TagPairs kCommandLineJvm = {
    {"CLASSPATH", " -cp "}, {"CLASSPATH_SEPARATOR", ":"}, {"JVM_CLASSPATH", "jvm.jar"}};

TEST(SideFilePathTest, ReplacesTheExtensionOnlyAfterTheLastSeparator) {
  struct Case {
    const char* launcher;
    const char* expected;
  } cases[] = {
      {"setup.exe", "setup.exe.cp1"},
      {"C:\\dist\\setup.exe", "C:\\dist\\setup.cp1"},
      {"C:\\my.dir\\setup", "C:\\my.dir\\setup.cp1"},
      {"/opt/app/setup.bin", "/opt/app/setup.cp1"},
      {"/opt/a.b/setup", "/opt/a.b/setup.cp1"},
      {"", ".cp1"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, sideFilePath(c.launcher, ".cp1")) << c.launcher;
}

TEST_F(ClassPathTest, JoinsEverySourceInItsPlace) {
  settings().classPathPrepend = "pre.jar";
  settings().classPathAppend = "post.jar";
  writeBeside("setup.cp1", "x.jar\n\n  y.jar  \r\n");
  writeBeside("setup.cp", "middle.jar");
  writeBeside("setup.cp2", "last.jar\n");
  EXPECT_EQ(R"( -cp "pre.jar":x.jar:y.jar:jvm.jar:middle.jar:arg.jar:"q.jar":app.jar:last.jar:"post.jar")",
            build(R"(%CP%("arg.jar", """q.jar"""))", kCommandLineJvm, "app.jar"));
}

TEST_F(ClassPathTest, OptionsNotGivenAddNothing) {
  EXPECT_EQ(" -cp jvm.jar", build("%CP%()", kCommandLineJvm));
  EXPECT_EQ("", build("%CP%()", {{"CLASSPATH", " -cp "}}));
}

TEST_F(ClassPathTest, OptionValueIsTakenLiterally) {
  settings().classPathPrepend = "@list.txt";
  writeBeside("list.txt", "never.jar");
  EXPECT_EQ(R"( -cp "@list.txt")", build("%CP%()", {{"CLASSPATH", " -cp "}}));
}

TEST_F(ClassPathTest, ItemsWithoutSeparatorRunTogether) {
  EXPECT_EQ(" -cp a.jarb.jar", build(R"(%CP%("a.jar", "b.jar"))", {{"CLASSPATH", " -cp "}}));
}

TEST_F(ClassPathTest, ArchiveMayCallFunctions) {
  EXPECT_EQ(" -cp /dist/setup", build("%CP%()", {{"CLASSPATH", " -cp "}}, "%LAUNCHER_FILE%()"));
}

TEST_F(ClassPathTest, ListFileEntriesAndMissingListFile) {
  JvmDescriptor jvm = jvmOf({{"CLASSPATH_SEPARATOR", ";"}});
  writeBeside("list.txt", "a.jar\nb.jar");
  std::string cp;
  addClassPathEntry(jvm, cp, "  @" + scratch.file("list.txt") + " ");
  addClassPathEntry(jvm, cp, "  ");
  addClassPathEntry(jvm, cp, " c.jar ");
  addClassPathEntry(jvm, cp, "@" + scratch.file("missing.txt"));
  EXPECT_EQ("a.jar;b.jar;c.jar", cp);
  EXPECT_NE(std::string::npos, log().find("WARNING: Could not find the file " +
                                          scratch.file("missing.txt") +
                                          " while building the classpath.\n"));
}

TEST_F(ClassPathTest, EnvironmentFormSetsTheVariableUnquoted) {
  setEnv("VD_CP_TEST", std::nullopt);
  settings().classPathPrepend = "pre.jar";
  const TagPairs jvm = {{"CLASSPATH", " -cp "},
                        {"CLASSPATH_SEPARATOR", ":"},
                        {"USE_CP_ENV_VAR", "1"},
                        {"CP_ENV_VAR", "VD_CP_TEST"}};
  EXPECT_EQ("run ", build(R"(run %CP%("""a b.jar"""))", jvm, "\"app.jar\""));
  EXPECT_EQ("pre.jar:a b.jar:app.jar", platform::getEnvironmentVariable("VD_CP_TEST"));
  EXPECT_NE(std::string::npos, log().find("Set env var VD_CP_TEST to pre.jar:a b.jar:app.jar\n\n"));
}

TEST_F(ClassPathTest, EnvironmentFormWithoutVariableNameLogsAnError) {
  EXPECT_EQ("", build(R"(%CP%("a.jar"))", {{"USE_CP_ENV_VAR", "1"}}));
  EXPECT_NE(std::string::npos,
            log().find("ERROR: If USE_CP_ENV_VAR is set to 1 in the jvm file, then the jvm file "
                       "should also define CP_ENV_VAR.\n"));
}

TEST_F(ClassPathTest, OnlyOneSelectsTheEnvironmentForm) {
  EXPECT_EQ(R"( -cp "a.jar")",
            build(R"(%CP%("""a.jar"""))", {{"CLASSPATH", " -cp "}, {"USE_CP_ENV_VAR", "true"}}));
}

TEST_F(ClassPathTest, StripQuotesRemovesOneAtEachEnd) {
  EXPECT_EQ("a", stripQuotes("\"a\""));
  EXPECT_EQ("\"a\"", stripQuotes("\"\"a\"\""));
  EXPECT_EQ("a", stripQuotes("a\""));
  EXPECT_EQ("", stripQuotes("\""));
}

const TagPairs kPropertyJvm = {
    {"SYSTEM", " -D"}, {"SYSTEM_SEPARATOR", "="}, {"JVM_EXE", "bin/java"}, {"MAX", "64m"}};

TEST_F(ClassPathTest, RuntimeSystemPropertiesFromTheSpFile) {
  writeBeside("setup.sp", "a=b=c\nflag\n\n x = @JVM_EXE@ \n");
  EXPECT_EQ(" -Da=b=c  -Dx = bin/java", build("%RUNTIME_SYSTEMPROP%()", kPropertyJvm));
}

TEST_F(ClassPathTest, RuntimeJavaArgumentsFromTheJaFileThenRequired) {
  const TagPairs jvm = {{"MAX", "64m"}, {"REQ_JAVA_ARGS", "-server"}};
  EXPECT_EQ(" -server", build("%RUNTIME_JAVAARGS%()", jvm));
  writeBeside("setup.ja", "-Xmx@MAX@\n\n  -verbose\n");
  EXPECT_EQ("-Xmx64m -verbose -server", build("%RUNTIME_JAVAARGS%()", jvm));
  EXPECT_EQ("-Xmx64m -verbose", build("%RUNTIME_JAVAARGS%()", {{"MAX", "64m"}}));
}

TEST_F(ClassPathTest, OversizedSideFileIsAnError) {
  writeBeside("setup.ja", std::string(2 * 1024 * 1024, 'x'));
  std::optional<std::string> error = testing::errorOf([&] { build("%RUNTIME_JAVAARGS%()", {}); });
  ASSERT_TRUE(error);
  EXPECT_EQ("Launch script error: The file " + scratch.file("setup.ja") +
                " is larger than 1048576 bytes.",
            *error);
}

}  // namespace
}  // namespace vd
