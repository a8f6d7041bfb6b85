#include "launch/launch_script.h"

#include <gtest/gtest.h>

#include "launch_fixture.h"

namespace vd {
namespace {

using testing::errorOf;
using testing::jvmOf;
using testing::tagsOf;

JvmDescriptor standardJvm() {
  return jvmOf({{"JVM_HOME", "/opt/jre/"},
                {"JVM_EXE", "bin/java"},
                {"SYSTEM", " -D"},
                {"SYSTEM_SEPARATOR", "="},
                {"CLASSPATH", " -cp "},
                {"CLASSPATH_SEPARATOR", ":"},
                {"INIT_JAVA_HEAP", "-Xms"},
                {"JVM_TEMP", "0"},
                {"JVM_FILE", "/tmp/x.jvm"},
                {"REQ_JAVA_ARGS", "-Xss1m"},
                {"SEARCH", "."},
                {"SELF", "@SELF@"}});
}

std::string replaceAllOf(std::string text, const std::string& from, const std::string& to) {
  for (size_t p = text.find(from); p != std::string::npos; p = text.find(from, p + to.size()))
    text.replace(p, from.size(), to);
  return text;
}

class LaunchScriptTest : public testing::LaunchTest {
 protected:
  LaunchScriptTest() {
    setEnv("VD_LS_VAR", "value");
    setEnv("VD_LS_UNSET", std::nullopt);
    setEnv("VD_LS_JVMREF", "@JVM_EXE@");
    setEnv("VD_LS_CHAIN", "#VD_LS_VAR#!");
    setEnv("VD_LS_SELF", "#VD_LS_SELF#");
    setEnv("VD_LS_GROW", "#VD_LS_GROW##VD_LS_GROW#");
  }
  std::string build(const std::string& command) {
    LaunchScript script(command, true, true);
    return script.buildCommand(jvm);
  }
  // {DIR} is the launcher's directory, {TMP} the temporary directory.
  std::string expand(const std::string& expected) const {
    return replaceAllOf(replaceAllOf(expected, "{DIR}", scratch.path().string()), "{TMP}",
                        tempRoot());
  }
  JvmDescriptor jvm = standardJvm();
};

struct BuildCase {
  const char* command;
  const char* expected;
};

TEST_F(LaunchScriptTest, BuildsCommands) {
  const BuildCase cases[] = {
      {R"~("@JVM_HOME@/@JVM_EXE@")~", R"~("/opt/jre/bin/java")~"},
      {"%TEMP_DIR%( )", "{TMP}"},
      {"%LAUNCHER_FILE%()", "/dist/setup"},
      {"%LAUNCHER_DIR%()", "{DIR}"},
      {R"~(%SYSTEMPROP%("a.b", """x"""))~", R"~( -Da.b="x")~"},
      // A function's value is scanned again.
      {R"~(%SYSTEMPROP%("d", "%LAUNCHER_DIR%()"))~", " -Dd={DIR}"},
      {R"~(%IF_EXISTS%("INIT_JAVA_HEAP", "@INIT_JAVA_HEAP@20m"))~", "-Xms20m"},
      {R"~(%IF_EXISTS%("MAX_JAVA_HEAP", "@MAX_JAVA_HEAP@60m"))~", ""},
      {R"~(%REPLACE%("a", "o", "banana"))~", "bonono"},
      {R"~(%REPLACE%("@SEARCH@", "-", "x.y.z"))~", "x-y-z"},
      // The subject is taken as written; the @ pass inserts the home afterwards.
      {R"~(%REPLACE%("/", "\", "@JVM_HOME@"))~", "/opt/jre"},
      {R"~(%REPLACE%("aa", "a", "aaaa"))~", "aa"},
      {R"~(%REPLACE%("", "x", "abc"))~", "abc"},
      {R"~(%REPLACE%("", "", "abc"))~", "abc"},
      {"100%% done", "100% done"},
      {"a@@b", "a@b"},
      {"a##b", "a#b"},
      {"#VD_LS_VAR#", "value"},
      {"#VD_LS_UNSET#", ""},
      {"#VD_LS_CHAIN#", "value!"},
      // Text made by a later pass is not offered to an earlier one.
      {"#VD_LS_JVMREF#", "@JVM_EXE@"},
      {R"~(%CP%("""a.jar""", """b.jar"""))~", R"~( -cp "a.jar":"b.jar")~"},
      {R"~(%CP%("a.jar",))~", " -cp a.jar"},
      {R"~(%CP%("@JVM_EXE@"))~", " -cp bin/java"},
      {"%CP%()", ""},
      {R"~(x %CP%("tail.jar")~", "x  -cp tail.jar"},
      {"%RUNTIME_JAVAARGS%()", " -Xss1m"},
      {"%RUNTIME_SYSTEMPROP%()", ""},
      {"%APPLICATION_ARCHIVE%()", ""},
      {"no tokens", "no tokens"},
      {"", ""},
  };
  for (const BuildCase& c : cases) EXPECT_EQ(expand(c.expected), build(c.command)) << c.command;
}

struct ErrorCase {
  const char* command;
  const char* message;
};

TEST_F(LaunchScriptTest, ReportsScriptErrorsAndLogsTheCommand) {
  const ErrorCase cases[] = {
      {"%TEMP_DIR%", "Expected left parenthesis. (near character 10)"},
      {"%TEMP_DIR%(", "Expected string arg. (near character 11)"},
      {R"~(%TEMP_DIR%("x"))~", "TEMP_DIR function takes 0 arguments."},
      {R"~(%REPLACE%("a","b"))~", "REPLACE function requires 3 arguments."},
      {"%FOO%()", "Invalid function name (FOO)."},
      {"%FOO%", "Invalid function name (FOO)."},
      {"%temp_dir%()", "Invalid function name (temp_dir)."},
      {"50%% of %TEMP_DIR%()", "Invalid function name (% of )."},
      {"%CP%(lib.jar)", "Expected string arg. (near character 5)"},
      {R"~(%CP%("a" "b"))~", "Expected right parenthesis. (near character 8)"},
      {R"~(%RUNTIME_SYSTEMPROP%("x"))~", "RUNTIME_SYSTEMPROP function takes no arguments."},
      {R"~(%RUNTIME_JAVAARGS%("x"))~", "RUNTIME_JAVAARGS function takes no arguments."},
      {R"~(%SYSTEMPROP%("a"))~", "SYSTEMPROP function requires 2 arguments."},
      {R"~(%IF_EXISTS%("a"))~", "IF_EXISTS function requires 2 arguments."},
      {R"~(%LAUNCHER_FILE%("x"))~", "LAUNCHER_FILE function takes 0 arguments."},
      {R"~(%LAUNCHER_DIR%("x"))~", "LAUNCHER_DIR function takes 0 arguments."},
      {R"~(%APPLICATION_ARCHIVE%("a", "b"))~", "APPLICATION_ARCHIVE function takes 0 arguments."},
  };
  for (const ErrorCase& c : cases) {
    EXPECT_EQ("Launch script error: " + std::string(c.message), errorOf([&] { build(c.command); }))
        << c.command;
    EXPECT_NE(std::string::npos, log().find("Launch command:\n" + std::string(c.command) + "\n"))
        << c.command;
  }
}

TEST_F(LaunchScriptTest, ErrorNamesTheTextAsItStandsThen) {
  // The first call is already replaced when the second one fails.
  EXPECT_EQ("Launch script error: Expected left parenthesis. (near character 22)",
            errorOf([&] { build("%LAUNCHER_FILE%() %TEMP_DIR%"); }));
  EXPECT_NE(std::string::npos, log().find("Launch command:\n/dist/setup %TEMP_DIR%\n"));
}

TEST_F(LaunchScriptTest, UnterminatedArgumentIsReportedWithoutTheScriptPrefix) {
  EXPECT_EQ("Expected double quote to end argument near 6", errorOf([&] { build(R"~(%CP%("abc)~"); }));
  EXPECT_EQ("Expected double quote to end argument near -1",
            errorOf([&] { build(R"~(%CP%("ab"")~"); }));
  EXPECT_EQ(std::string::npos, log().find("Launch command:"));
}

TEST_F(LaunchScriptTest, EndlessExpansionEndsInAnError) {
  std::string as(2000, 'a');
  const std::string commands[] = {
      "#VD_LS_SELF#",
      "#VD_LS_GROW#",
      "@SELF@",
      "%REPLACE%(\"a\", \"" + as + "\", \"" + as + "\")",
      std::string(2 * 1024 * 1024, 'x') + "%LAUNCHER_FILE%()",
  };
  for (const std::string& command : commands) {
    std::optional<std::string> error = errorOf([&] { build(command); });
    ASSERT_TRUE(error) << command.substr(0, 40);
    EXPECT_TRUE(error->starts_with("Launch script error: The expansion does not end")) << *error;
  }
}

TEST_F(LaunchScriptTest, ArchiveThatCallsCpEndsInAnError) {
  LaunchScript script(tagsOf({{"COMMAND", "%CP%()"}, {"ARCHIVE", "%CP%()"}}));
  std::optional<std::string> error = errorOf([&] { script.buildCommand(jvm); });
  ASSERT_TRUE(error);
  EXPECT_TRUE(error->starts_with("Launch script error: Function calls are nested")) << *error;
}

TEST_F(LaunchScriptTest, ReadsItsKeysFromTheTagFile) {
  LaunchScript defaults(tagsOf({{"COMMAND", "java"}}));
  EXPECT_EQ("java", defaults.command());
  EXPECT_FALSE(defaults.displayConsole());
  EXPECT_TRUE(defaults.autoSetWorkingDir());
  EXPECT_TRUE(defaults.captureOutput());
  EXPECT_TRUE(defaults.includeClassPathArchives());

  LaunchScript given(tagsOf({{"DISPLAY_CONSOLE", "1"},
                             {"AUTO_SET_WORKING_DIR", "0"},
                             {"DESC", "The App"},
                             {"ARCHIVE", "app.jar"}}));
  EXPECT_TRUE(given.displayConsole());
  EXPECT_FALSE(given.autoSetWorkingDir());
  EXPECT_EQ("The App", given.description());
  EXPECT_EQ("app.jar", given.archive());

  LaunchScript verification("cmd", true, false);
  EXPECT_FALSE(verification.includeClassPathArchives());
  EXPECT_TRUE(verification.autoSetWorkingDir());
}

// The command shipped with the launcher, exactly as the launch script file stores it.
TEST_F(LaunchScriptTest, ExpandsTheShippedCommand) {
  const char* stored =
      R"CMD(COMMAND: """@JVM_HOME@/@JVM_EXE@"" %CP%(""""""install_Qorvel"""""") %SYSTEMPROP%(""java.io.tmpdir"", """"""%TEMP_DIR%()"""""") %SYSTEMPROP%(""temp.dir"", """"""%TEMP_DIR%()"""""") %SYSTEMPROP%(""vd.jvm.home"", """"""@JVM_HOME@"""""") %SYSTEMPROP%(""vd.jvm.temp"", """"""@JVM_TEMP@"""""") %SYSTEMPROP%(""vd.media.home"", """"""%APPLICATION_ARCHIVE%()"""""") %SYSTEMPROP%(""vd.launcher.file"", """"""%LAUNCHER_FILE%()"""""") %SYSTEMPROP%(""vd.jvm.file"", """"""@JVM_FILE@"""""") %SYSTEMPROP%(""vd.external.home"", """"""%LAUNCHER_DIR%()"""""")  %RUNTIME_SYSTEMPROP%() %IF_EXISTS%(""INIT_JAVA_HEAP"", ""@INIT_JAVA_HEAP@20m"") %IF_EXISTS%(""MAX_JAVA_HEAP"", ""@MAX_JAVA_HEAP@60m"") %RUNTIME_JAVAARGS%() run ")CMD"
      "\n";
  testing::ScratchDirectory::write(scratch.file("launch.txt"), stored);
  LaunchScript script{TagFile(scratch.file("launch.txt"))};
  EXPECT_EQ(expand(R"~("/opt/jre/bin/java"  -cp "install_Qorvel"  -Djava.io.tmpdir="{TMP}")~"
                   R"~(  -Dtemp.dir="{TMP}"  -Dvd.jvm.home="/opt/jre"  -Dvd.jvm.temp="0")~"
                   R"~(  -Dvd.media.home=""  -Dvd.launcher.file="/dist/setup")~"
                   R"~(  -Dvd.jvm.file="/tmp/x.jvm"  -Dvd.external.home="{DIR}")~"
                   R"~(   -Xms20m   -Xss1m run )~"),
            script.buildCommand(jvm));
}

}  // namespace
}  // namespace vd
