#include "instructions/jvm_command_bodies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "archive_builder.h"
#include "instructions/variable_store.h"
#include "launch_fixture.h"
#include "platform/path.h"
#include "platform/sleep.h"
#include "recording_ui.h"
#include "ui/status.h"

namespace vd {
namespace {

using testing::ArchiveFile;
using testing::errorOf;
using testing::ScratchDirectory;
namespace fs = std::filesystem;

const std::string kSep(1, platform::kPathSeparator);
const std::string kNotFound = "No Java Runtime Environment (JRE) was found on this system.";
#ifdef _WIN32
const std::string kJavaExe = "bin\\java.exe";
#else
const std::string kJavaExe = "bin/java";
#endif

class JvmCommandsTest : public testing::LaunchTest {
 protected:
  JvmCommandsTest() { setProgressUi(&ui); }
  ~JvmCommandsTest() override { setProgressUi(nullptr); }

  // Makes a launcher of these files the running one and opens it with loading.
  void useLauncher(const std::vector<ArchiveFile>& files) {
    ScratchDirectory::write(launcher(), testing::buildLauncher(files).bytes);
    settings().launcherFile = launcher();
    processState().archive.open(true);
  }
  std::string launcher() const { return scratch.file("launcher"); }
  std::string makeFile(const std::string& relative, const std::string& text = "") const {
    fs::path path = scratch.path() / relative;
    fs::create_directories(path.parent_path());
    ScratchDirectory::write(path.string(), text);
    return path.string();
  }
  bool logged(const std::string& text) const { return log().find(text) != std::string::npos; }
  std::vector<std::string> messages() const {
    std::vector<std::string> shown;
    for (const std::string& call : ui.calls)
      if (call.rfind("showMessage(", 0) == 0) shown.push_back(call.substr(12, call.size() - 13));
    return shown;
  }
  bool called(const std::string& call) const {
    return std::find(ui.calls.begin(), ui.calls.end(), call) != ui.calls.end();
  }
  JavaExecutableChooser choosing(const std::string& path) {
    return [this, path] {
      ++choices;
      return path;
    };
  }
  void expectNoJvm() const {
    EXPECT_EQ(0, getNumericVariable(1));
    EXPECT_EQ("", getStringVariable(1));
    EXPECT_EQ("", getStringVariable(2));
  }

  testing::RecordingUi ui;
  int choices = 0;
};

const ArchiveFile kJvmFile = {JvmFile, 1, "java.jvm",
                              "DESC: Some JVM\nJVM_EXE: bin/none\nJVM_PROPERTIES: a=1\n"};
const ArchiveFile kMessageFile = {JvmMessage, 8, "message.txt", "MESSAGE: " + kNotFound + "\n"};

TEST_F(JvmCommandsTest, FindJvmWithoutUiFindsNothingQuietly) {
  useLauncher({kJvmFile, kMessageFile});
  setStringVariable(1, "old");
  doFindJvm(false, false, choosing(""));
  expectNoJvm();
  EXPECT_TRUE(called("hideAfter(0)"));
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(0, choices);
  EXPECT_TRUE(logged("Finding a JVM\n"));
}

TEST_F(JvmCommandsTest, FindJvmAfterCancelAsksNothing) {
  useLauncher({kJvmFile, kMessageFile});
  processState().cancelRequested = true;
  doFindJvm(true, true, choosing(""));
  expectNoJvm();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(0, choices);
}

TEST_F(JvmCommandsTest, APickedJavaExecutableBecomesTheJvmUnverified) {
  useLauncher({kJvmFile, kMessageFile});
  std::string home = scratch.file("jdk");
  doFindJvm(true, true, choosing(makeFile("jdk" + kSep + kJavaExe)));
  EXPECT_EQ((std::vector<std::string>{kNotFound, messageText(kMsgSelectJvm)}), messages());
  EXPECT_EQ(1, getNumericVariable(1));
  EXPECT_EQ(home, getStringVariable(1));
  TagFile saved(getStringVariable(2));
  EXPECT_EQ(home, saved.get("JVM_HOME"));
  EXPECT_EQ(kJavaExe, saved.get("JVM_EXE"));
  EXPECT_EQ(" -cp ", saved.get("CLASSPATH"));
  EXPECT_EQ(" -D", saved.get("SYSTEM"));
  EXPECT_EQ("=", saved.get("SYSTEM_SEPARATOR"));
  EXPECT_EQ(getStringVariable(2), saved.get("JVM_FILE"));
  EXPECT_EQ("0", saved.get("JVM_TEMP"));
  EXPECT_TRUE(logged("user selected JVM_HOME=" + home + "\n"));
}

TEST_F(JvmCommandsTest, APickedFileThatIsNotAJavaExecutableIsRejectedOnce) {
  useLauncher({kJvmFile});
  std::string upper = kJavaExe;
  std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
  const std::string picks[] = {
      makeFile("a" + kSep + upper),
      makeFile("b" + kSep + kJavaExe + "w"),
      makeFile("c" + kSep + "my" + kJavaExe),
      scratch.file("missing") + kSep + kJavaExe,
  };
  for (const std::string& pick : picks) {
    ui.calls.clear();
    doFindJvm(false, true, choosing(pick));
    EXPECT_EQ(messageText(kMsgSelectedFileInvalid), messages().back()) << pick;
    expectNoJvm();
  }
  ui.calls.clear();
  doFindJvm(false, true, choosing(""));  // cancelled
  EXPECT_EQ(std::vector<std::string>{messageText(kMsgSelectJvm)}, messages());
  expectNoJvm();
}

TEST_F(JvmCommandsTest, ASearchFailureIsLoggedShownAndRaisedAgain) {
  useLauncher({{JvmFile, 1, "bad.jvm", "JVM_EXE: x\nJVM_PROPERTIES: a=1\nPLATFORM_HINT: HKEY_BAD\\K\\V\n"}});
  std::optional<std::string> error = errorOf([&] { doFindJvm(false, true, choosing("")); });
  ASSERT_TRUE(error);
  EXPECT_EQ("Invalid hive (HKEY_BAD) specified in platform hint (HKEY_BAD\\K\\V).", *error);
  std::string text = messageText(kMsgSelectJvm) + " " + *error;
  EXPECT_TRUE(logged("ERROR: " + text + "\n"));
  EXPECT_EQ(std::vector<std::string>{text}, messages());
  EXPECT_EQ(0, choices);
}

TEST_F(JvmCommandsTest, InstallWithoutAnInstallerFailsBeforeChoosing) {
  useLauncher({kJvmFile});
  EXPECT_EQ(messageText(kMsgNoJvmInstaller), errorOf([] { doInstallJvm(2); }));
  EXPECT_FALSE(called("chooseFolder"));
  EXPECT_EQ(0, getNumericVariable(1));
}

TEST_F(JvmCommandsTest, InstallIntoACancelledDestinationDoesNothing) {
  useLauncher({{JvmInstaller, 4, "setup", "never run"}});
  ui.folder = "";
  setNumericVariable(1, 1);
  doInstallJvm(2);
  EXPECT_TRUE(called("chooseFolder"));
  EXPECT_EQ(0, getNumericVariable(1));
  EXPECT_EQ("", getStringVariable(1));
}

TEST_F(JvmCommandsTest, LaunchesNeedALaunchScriptAndAJvmFile) {
  useLauncher({kJvmFile, {LaunchScriptFile, 2, "launch.txt", "COMMAND: x\n"}});
  EXPECT_EQ(-1, doILaunch(2, 0));
  EXPECT_EQ(-1, doILaunch(99, 0));
  EXPECT_TRUE(logged("ERROR: Unable to launch the internal launch script with the internal JVM "
                     "file. Either the launch script or the JVM file is missing from the "
                     "launcher.\n"));
  EXPECT_EQ("Unable to load input file: " + scratch.file("none.jvm"),
            errorOf([&] { doLaunch(scratch.file("none.jvm"), 0); }));
}

TEST_F(JvmCommandsTest, WithoutALaunchScriptLaunchReturnsAtOnce) {
  useLauncher({kJvmFile});
  EXPECT_EQ(-1, doLaunch(scratch.file("none.jvm"), 0));
  EXPECT_EQ(-1, doILaunch(1, 0));
}

TEST_F(JvmCommandsTest, VerifyNeedsTheIdOfAReadableJvmFile) {
  useLauncher({kJvmFile, {LaunchScriptFile, 2, "launch.txt", "COMMAND: x\n"},
               {ApplicationArchive, -3, "app.jar", "PK"}});
  EXPECT_EQ("Cannot verify jvm file at index 7 because it does not exist.",
            errorOf([] { doVerify(false, false, 7); }));
  EXPECT_EQ("To verify a JVM, use an index of a jvm file. The index passed in was 2 which "
            "corresponds to the file named launch.txt",
            errorOf([] { doVerify(false, false, 2); }));
  EXPECT_EQ("To verify a JVM, use an index of a jvm file. The index passed in was -3 which "
            "corresponds to the file named app.jar",
            errorOf([] { doVerify(false, false, -3); }));
}

TEST_F(JvmCommandsTest, AJvmThatDoesNotVerifyIsReportedAsInvalid) {
  useLauncher({kJvmFile});
  settings().javaHome = scratch.file("nowhere");
  setNumericVariable(1, 1);
  doVerify(false, true, 1);
  EXPECT_EQ(0, getNumericVariable(1));
  EXPECT_EQ(std::vector<std::string>{messageText(kMsgInvalidJvm)}, messages());
  EXPECT_TRUE(logged("In VERIFY, the jvm is invalid.\n"));
}

TEST_F(JvmCommandsTest, AMissingEmbeddedLauncherIsLoggedAndTheProgramGoesOn) {
  useLauncher({kJvmFile});
  doExecuteLauncher(99);
  doExecuteLauncher(0);
  EXPECT_TRUE(logged("ERROR: Unable to execute the embedded launcher.\n"));
}

#ifndef _WIN32
// Shell scripts stand in for the programs the commands start.
class ScriptedCommandsTest : public JvmCommandsTest {
 protected:
  static std::string script(const std::string& body) { return "#!/bin/sh\n" + body; }
  // Waits up to ten seconds for a file that a program not waited for writes.
  static std::string awaitFile(const std::string& path) {
    for (int i = 0; i < 200 && !fs::exists(path + ".done"); ++i) platform::sleepMilliseconds(50);
    return ScratchDirectory::read(path);
  }
  // A JVM home whose java prints "1739021872" and the values of java.properties beside it,
  // or, for another class, its arguments, one per line in brackets, and exits with 42.
  std::string scriptedJdk(const std::string& name) {
    std::string java = makeFile(name + "/bin/java",
                                script("d=$(dirname \"$0\")\n"
                                       "case \" $* \" in *\" Verify \"*)\n"
                                       "  echo 1739021872; cat \"$d/java.properties\"; exit 0;;\n"
                                       "esac\n"
                                       "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n"
                                       "echo oops >&2\n"
                                       "exit 42\n"));
    fs::permissions(java, fs::perms::owner_all);
    makeFile(name + "/bin/java.properties", "17.0.2\n");
    return scratch.file(name);
  }
};

const ArchiveFile kVerifyJar = {VerifyArchive, 5, "Verify.jar", "not really a jar"};

TEST_F(ScriptedCommandsTest, FindJvmVerifiesAPathHintAndSavesAJvmFile) {
  std::string home = scriptedJdk("jdk");
  useLauncher({{JvmFile, 1, "java.jvm",
                "DESC: Java 17\nJVM_EXE: bin/java\nJVM_PROPERTIES: java.version=17...\n"
                "PATH_HINT: jdk\nCLASSPATH: \" -cp \"\n"},
               kVerifyJar});
  settings().origLauncherFile = launcher();
  doFindJvm(true, true, choosing(""));
  EXPECT_EQ(0, choices);
  EXPECT_EQ(1, getNumericVariable(1));
  EXPECT_EQ(home, getStringVariable(1));
  TagFile saved(getStringVariable(2));
  EXPECT_EQ(home, saved.get("JVM_HOME"));
  EXPECT_EQ("1", saved.get("JVM_TEMP"));  // found beside the launcher
  EXPECT_EQ("Java 17", saved.get("DESC"));
  EXPECT_TRUE(logged("Matching JVM home is " + home + "\n"));
  EXPECT_TRUE(logged("Matching JVM file is " + getStringVariable(2) + "\n"));
}

TEST_F(ScriptedCommandsTest, LaunchRunsTheScriptForTheJvmFileAndKeepsItsOutput) {
  std::string home = scriptedJdk("jdk");
  useLauncher({{LaunchScriptFile, 2, "launch.txt", "COMMAND: \"\"\"@JVM_HOME@/@JVM_EXE@\"\" Main\"\n"},
               {JvmFile, 3, "java.jvm", "JVM_EXE: bin/java\nJVM_HOME: " + home + "\n"}});
  std::string jvmFile = makeFile("saved.jvm", "JVM_EXE: bin/java\nJVM_HOME: " + home + "\n");
  settings().applicationArgs = {"two words", "say \"hi\"", "C:\\dir\\"};
  EXPECT_EQ(42, doLaunch(jvmFile, 0));
  EXPECT_TRUE(called("hideAfter(0)"));
  EXPECT_EQ("[Main]\n[two words]\n[say \"hi\"]\n[C:\\dir\\]\n",
            processState().lastLaunch.standardOutput);
  EXPECT_EQ("oops\n", processState().lastLaunch.standardError);

  ui.calls.clear();
  EXPECT_EQ(42, doILaunch(3, 5));
  EXPECT_TRUE(called("hideAfter(5)"));
  EXPECT_TRUE(called("setStatus(Running Vandrel Wizard...)"));
}

TEST_F(ScriptedCommandsTest, VerifyChecksTheJvmFileAtTheGivenHome) {
  std::string home = scriptedJdk("jdk");
  useLauncher({{JvmFile, 1, "java.jvm",
                "DESC: Java 17\nJVM_EXE: bin/java\nJVM_PROPERTIES: java.version=17...\n"
                "JVM_HOME: /elsewhere\nCLASSPATH: \" -cp \"\n"},
               kVerifyJar});
  settings().javaHome = home;
  doVerify(true, true, 1);
  EXPECT_EQ(1, getNumericVariable(1));
  EXPECT_EQ(home, getStringVariable(1));
  EXPECT_EQ(home, processState().archive.entryById(1)->content->get("JVM_HOME"));
  EXPECT_TRUE(logged("After VERIFY, the jvm home is " + home + "\n"));

  settings().javaHome.clear();  // the jvm file's own home, now the one verified
  setNumericVariable(1, 0);
  doVerify(false, false, 1);
  EXPECT_EQ(1, getNumericVariable(1));
}

TEST_F(ScriptedCommandsTest, InstallRunsTheInstallerInItsDestinationAndCompletesItsJvmFile) {
  useLauncher({{JvmInstaller, 4, "setup",
                script("pwd > installed_in\nprintf 'DESC: Bundled\\nJVM_EXE: bin/java\\n' > jvm\n")}});
  std::string destination = scratch.file("chosen dir");
  fs::create_directories(destination);
  ui.folder = destination;
  doInstallJvm(2);
  EXPECT_EQ(1, getNumericVariable(1));
  std::string jvmFile = destination + "/jvm";
  EXPECT_EQ(jvmFile, getStringVariable(1));
  TagFile installed(jvmFile);
  EXPECT_EQ("Bundled", installed.get("DESC"));
  EXPECT_EQ(destination, installed.get("JVM_HOME"));
  EXPECT_EQ(jvmFile, installed.get("JVM_FILE"));
  EXPECT_EQ("1", installed.get("JVM_TEMP"));
  EXPECT_EQ(fs::canonical(destination).string() + "\n",
            ScratchDirectory::read(destination + "/installed_in"));
  EXPECT_FALSE(fs::exists(destination + "/setup"));
  EXPECT_TRUE(called("setStatus(Preparing Java(tm) Virtual Machine...)"));
}

TEST_F(ScriptedCommandsTest, AnInstallerThatLeavesNoJvmFileIsAnError) {
  useLauncher({{JvmInstaller, 4, "setup", script("exit 3\n")}});
  doInstallJvm(0);
  EXPECT_EQ(0, getNumericVariable(1));
  EXPECT_EQ("", getStringVariable(1));
  EXPECT_TRUE(logged("ERROR: Invalid bundled JVM. Missing 'jvm' file.\n"));
}

TEST_F(ScriptedCommandsTest, AnEmbeddedLauncherGetsEveryArgumentBack) {
  std::string record = scratch.file("nested_args");
  useLauncher({{JvmFile, 1, "java.jvm", "JVM_EXE: x\n"},
               {EmbeddedLauncher, 7, "nested",
                script("for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > '" + record +
                       "'\npwd > '" + record + ".dir'\ntouch '" + record + ".done'\n")}});
  settings().commandLineArgs = {"-a", "b c", "say \"hi\"", "C:\\dir\\", "", "tab\there"};
  doExecuteLauncher(1);
  std::string args = awaitFile(record);
  EXPECT_EQ("[-vd:orig]\n[" + launcher() + "]\n[-a]\n[b c]\n[say \"hi\"]\n[C:\\dir\\]\n[]\n"
            "[tab\there]\n",
            args);
  // The launcher's directory outlives the run: the launcher removes itself.
  std::string directory = ScratchDirectory::read(record + ".dir");
  directory.pop_back();
  cleanupTempFiles();
  EXPECT_TRUE(fs::exists(directory + "/nested"));
  fs::remove_all(directory);
}
#endif

}  // namespace
}  // namespace vd
