#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "instructions/unavailable_jvm_commands.h"
#include "instructions/variable_ref.h"
#include "instructions_fixture.h"

namespace vd {
namespace {

using namespace testing;  // the instruction test helpers

using Calls = std::vector<std::string>;

struct ProgramCase {
  std::string name;
  std::vector<std::string> lines;
  Calls calls;
  int32_t result = 0;  // when `expected` is normal
  Outcome expected = normal();
};

class InstructionCommandsTest : public InstructionsTest {
 protected:
  // Runs the program against the fake; the fake's launches return 7.
  Outcome run(const std::vector<std::string>& lines, int32_t& result) {
    program = TagFile();
    for (const std::string& line : lines) program.add("INSTRUCTIONS", line);
    fake.calls.clear();
    fake.launchResult = 7;
    InstructionInterpreter interpreter(program, fake);
    return outcomeOf([&] { result = interpreter.runInstructions(); });
  }

  void check(const std::vector<ProgramCase>& cases) {
    for (const ProgramCase& c : cases) {
      resetProcessState();
      int32_t result = -99;
      EXPECT_EQ(c.expected, run(c.lines, result)) << c.name;
      EXPECT_EQ(c.calls, fake.calls) << c.name;
      if (c.expected == normal()) {
      EXPECT_EQ(c.result, result) << c.name;
    }
    }
  }

  TagFile program;
  RecordingJvmCommands fake;
};

TEST_F(InstructionCommandsTest, CommandsPassTheirCheckedArguments) {
  check({
      {"find", {"FIND_JVM 1 0"}, {"FIND_JVM true false"}},
      {"initialize ignores the rest", {"INITIALIZE_UI anything \"at all"}, {"INITIALIZE_UI"}},
      {"install modes", {"INSTALL_JVM 0", "INSTALL_JVM 1", "INSTALL_JVM 2"},
       {"INSTALL_JVM 0", "INSTALL_JVM 1", "INSTALL_JVM 2"}},
      {"launch", {"LAUNCH jvm 5"}, {"LAUNCH jvm 5"}, 7},
      {"launch quoted", {"LAUNCH \"C:\\My Files\\jvm\" 5"}, {"LAUNCH C:\\My Files\\jvm 5"}, 7},
      {"launch negative seconds", {"LAUNCH jvm -1"}, {"LAUNCH jvm -1"}, 7},
      {"ilaunch", {"ILAUNCH 3 10"}, {"ILAUNCH 3 10"}, 7},
      {"verify", {"VERIFY 0 1 4"}, {"VERIFY false true 4"}},
      {"execute launcher keeps the result", {"EXECUTE_LAUNCHER 2"}, {"EXECUTE_LAUNCHER 2"}, 0},
      {"words after the last argument", {"FIND_JVM 1 1 extra words"}, {"FIND_JVM true true"}},
      {"references in arguments", {"SET N3 = 1", "SET S4 = \"my jvm\"", "FIND_JVM @N3@ 0",
                                   "LAUNCH @S4@ @N3@"},
       {"FIND_JVM true false", "LAUNCH my jvm 1"}, 7},
      {"result of the last launch", {"ILAUNCH 1 0", "INITIALIZE_UI"}, {"ILAUNCH 1 0", "INITIALIZE_UI"},
       7},
      {"empty program", {}, {}, 0},
      {"comments and labels do nothing", {"// a comment", ":LABEL", "//", ":END now"}, {}, 0},
  });
}

TEST_F(InstructionCommandsTest, ControlFlow) {
  const std::vector<std::string> shipped = {
      "INITIALIZE_UI",         "INSTALL_JVM 1", "JMP0 @N1@ DO_INSTALL_ELSE", "LAUNCH @S1@ 0",
      "GOTO DO_INSTALL_DONE", ":DO_INSTALL_ELSE", ":DO_INSTALL_DONE"};
  check({
      {"shipped program without a JVM", shipped, {"INITIALIZE_UI", "INSTALL_JVM 1"}, 0},
      {"goto skips lines", {"GOTO END", "INITIALIZE_UI", ":END"}, {}, 0},
      {"goto resumes after the label", {"GOTO L", ":L", "INSTALL_JVM 0"}, {"INSTALL_JVM 0"}},
      {"goto backwards", {"GOTO START", ":LOOP", "INSTALL_JVM 2", "GOTO END", ":START",
                          "INSTALL_JVM 0", "GOTO LOOP", ":END"},
       {"INSTALL_JVM 0", "INSTALL_JVM 2"}},
      {"label on the first line", {":TOP", "SET N1 = @N1@", "JMP0 @N2@ DONE", "GOTO TOP", ":DONE"},
       {}},
      {"jmp0 not taken ignores an unknown label", {"JMP0 1 NOWHERE", "INITIALIZE_UI"},
       {"INITIALIZE_UI"}},
      {"jmp0 taken", {"JMP0 0 END", "INITIALIZE_UI", ":END"}, {}},
      {"computed label", {"SET S1 = END", "GOTO @S1@", "INITIALIZE_UI", ":END"}, {}},
      {"a loop counted in a variable",
       {"SET N2 = 3", ":LOOP", "JMP0 @N2@ END", "INSTALL_JVM 0", "SET N1 = @N2@", "SET N2 = @N1@",
        "JMP0 @N5@ DEC", ":DEC", "SET N2 = @N3@", "JMP0 0 LOOP", ":END"},
       {"INSTALL_JVM 0"}},
  });
}

TEST_F(InstructionCommandsTest, ShippedProgramLaunchesWhenTheInstallSucceeded) {
  class InstallingFake : public RecordingJvmCommands {
    void doInstallJvm(int32_t mode) override {
      RecordingJvmCommands::doInstallJvm(mode);
      setNumericVariable(1, 1);
      setStringVariable(1, "C:\\Temp\\LRE1\\jvm");
    }
  } installing;
  installing.launchResult = 3;
  TagFile shipped = programOf({"INITIALIZE_UI", "INSTALL_JVM 1", "JMP0 @N1@ DO_INSTALL_ELSE",
                               "LAUNCH @S1@ 0", "GOTO DO_INSTALL_DONE", ":DO_INSTALL_ELSE",
                               ":DO_INSTALL_DONE"});
  InstructionInterpreter interpreter(shipped, installing);
  EXPECT_EQ(3, interpreter.runInstructions());
  EXPECT_EQ((Calls{"INITIALIZE_UI", "INSTALL_JVM 1", "LAUNCH C:\\Temp\\LRE1\\jvm 0"}),
            installing.calls);
}

TEST_F(InstructionCommandsTest, Set) {
  struct Case {
    std::string line;
    std::string variable;  // S or N reference to read back
    std::string stored;    // when `expected` is normal
    Outcome expected;
  };
  const std::string invalidValue = "Invalid value specified for SET command Invalid numeric "
                                   "expression in ";
  const std::vector<Case> cases = {
      {"SET N2 = 5", "N2", "5", normal()},
      {"SET N2=5", "N2", "5", normal()},
      {"SET s3 = hello world", "S3", "hello", normal()},
      {"SET S3 = \"hello world\"", "S3", "hello world", normal()},
      {"SET S1 = \"@S2@\\bin\"", "S1", "C:\\jdk\\bin", normal()},
      {"SET S1 =", "S1", "", normal()},
      {"SET S1 = \"a=b\"", "S1", "a=b", normal()},
      {"SET S1 = \"@@S1@@\"", "S1", "@S1@", normal()},
      {"SET N1 = -2147483648", "N1", "-2147483648", normal()},
      {"SET", "", "", instructionsError("SET statement is missing =.")},
      {"SET S1 hello", "", "", instructionsError("SET statement is missing =.")},
      {"SET N1 =", "", "", instructionsError(invalidValue)},
      {"SET N1 = abc", "", "", instructionsError(invalidValue + "abc")},
      {"SET N1 = 4294967296", "", "", instructionsError(invalidValue + "4294967296")},
      {"SET = 5", "", "",
       instructionsError("Invalid variable specified on left hand side of SET statement. Variable "
                         "references must be at least 2 characters (e.g. N1 and S10).")},
      {"SET N6 = 5", "", "",
       instructionsError("Invalid variable specified on left hand side of SET statement. Variable "
                         "number is invalid (6)")},
      {"SET S1 = @X1@", "", "",
       instructionsError("Invalid expression specified for SET command Invalid variable reference "
                         "(X1). Must use N or S as the variable type, e.g. N2 or S1.")},
      {"SET S1 = \"abc", "", "",
       instructionsError("Expected double quote to end argument near 1")},
      {"SET S1 = \"\"", "", "",
       instructionsError("Invalid expression specified for SET command Empty expression.")},
      {"SET S1 = a@b", "", "",
       instructionsError(
           "Invalid expression specified for SET command Invalid variable specification.")},
  };
  for (const Case& c : cases) {
    resetProcessState();
    setStringVariable(2, "C:\\jdk");
    int32_t result = 0;
    EXPECT_EQ(c.expected, run({c.line}, result)) << c.line;
    if (c.expected == normal()) {
      EXPECT_EQ(c.stored, variableText(parseVariableRef(c.variable, ""))) << c.line;
    }
  }
}

TEST_F(InstructionCommandsTest, ErrorsCarryTheLineNumber) {
  const std::string launchSeconds =
      "The second argument to LAUNCH should be the number of seconds to display the UI during the "
      "launch.";
  const std::string idMissing =
      "The first argument to ILAUNCH should be the file index number of the jvm file.";
  check({
      {"no command", {"INITIALIZE_UI", "  "}, {"INITIALIZE_UI"}, 0,
       instructionsError("No command specified.", 2)},
      {"lower case", {"find_jvm 1 1"}, {}, 0, instructionsError("Invalid command (find_jvm). ")},
      {"comment without a space", {"//comment"}, {}, 0,
       instructionsError("Invalid command (//comment). ")},
      {"unknown after a jump", {"GOTO L", "BAD", ":L", "ALSO_BAD"}, {}, 0,
       instructionsError("Invalid command (ALSO_BAD). ", 4)},
      {"find without arguments", {"FIND_JVM"}, {}, 0,
       instructionsError("The first argument to FIND_JVM should be a 1 if the UI should be "
                         "displayed or a 0 if the UI should be suppressed.")},
      {"find with one argument", {"FIND_JVM 1"}, {}, 0,
       instructionsError("The second argument to FIND_JVM should be a 1 if a find failure "
                         "message should be displayed in a UI or 0 if no message should be "
                         "displayed.")},
      {"find with a bad boolean", {"FIND_JVM 2 0"}, {}, 0,
       instructionsError(" Invalid boolean value (2)")},
      {"second argument checked after the first", {"FIND_JVM x"}, {}, 0,
       instructionsError("Invalid numeric expression (x)")},
      {"goto without label", {"GOTO"}, {}, 0,
       instructionsError("The GOTO command requires a label as its only argument.")},
      {"goto to a label with words", {":END now", "GOTO END"}, {}, 0,
       instructionsError("Label not found (END)", 2)},
      {"goto to a blank label", {"GOTO @S1@"}, {}, 0,
       instructionsError("Label @S1@ resolved to a blank string. Labels cannot be blank.")},
      {"ilaunch without arguments", {"ILAUNCH"}, {}, 0, instructionsError(idMissing)},
      {"ilaunch without seconds", {"ILAUNCH 1"}, {}, 0,
       instructionsError("The second argument to ILAUNCH should be the number of seconds to "
                         "display the UI during the launch.")},
      {"ilaunch seconds beyond 16 bits", {"ILAUNCH 1 32768"}, {}, 0,
       instructionsError(" Invalid numeric expression (32768)")},
      {"install without mode", {"INSTALL_JVM"}, {}, 0,
       instructionsError("The first argument to INSTALL_JVM should be a 0, 1 or 2.")},
      {"install mode 3", {"INSTALL_JVM 3"}, {}, 0,
       instructionsError("The first argument to INSTALL_JVM should be a 0, 1 or 2.")},
      {"install mode -1", {"INSTALL_JVM -1"}, {}, 0,
       instructionsError("The first argument to INSTALL_JVM should be a 0, 1 or 2.")},
      {"install x on line 2", {"INITIALIZE_UI", "INSTALL_JVM x"}, {"INITIALIZE_UI"}, 0,
       instructionsError("Invalid numeric expression (x)", 2)},
      {"jmp0 without arguments", {"JMP0"}, {}, 0,
       instructionsError("The second argument to JMP0 must be numeric. Empty expression.")},
      {"jmp0 without label", {"JMP0 0"}, {}, 0,
       instructionsError("JMP0 requires a jump label as its second argument.")},
      {"jmp0 with a bad expression", {"JMP0 x END"}, {}, 0,
       instructionsError("The second argument to JMP0 must be numeric.Invalid numeric expression (x)")},
      {"jmp0 to nowhere", {"JMP0 0 NOWHERE"}, {}, 0, instructionsError("Label not found (NOWHERE)")},
      // The file name never takes the line's last character: that is read as the seconds.
      {"launch without seconds", {"LAUNCH jvm"}, {}, 0,
       instructionsError(" Invalid numeric expression (m)")},
      {"launch without anything", {"LAUNCH"}, {}, 0, instructionsError(launchSeconds)},
      {"launch with an unclosed quote", {"LAUNCH \"C:\\My Files 5"}, {}, 0,
       launcherError("Expected ending quote in \"C:\\My Files :  Invalid jvm file name specified in "
                     "LAUNCH.")},
      {"launch with a bad reference passes unchanged", {"LAUNCH @X1@ 0"}, {}, 0,
       launcherError("Invalid jvm file name specified in LAUNCH. Invalid variable reference (X1). "
                     "Must use N or S as the variable type, e.g. N2 or S1.")},
      {"verify without arguments", {"VERIFY"}, {}, 0,
       instructionsError("The first argument to VERIFY should be a 1 if the UI should be "
                         "displayed or a 0 if the UI should be suppressed.")},
      {"verify with one argument", {"VERIFY 1"}, {}, 0,
       instructionsError("The second argument to VERIFY should be a 1 if a find failure message "
                         "should be displayed in a UI or 0 if no message should be displayed.")},
      {"verify without file id", {"VERIFY 1 1"}, {}, 0,
       instructionsError("The third argument to VERIFY should be the file index number of the "
                         "jvm file.")},
      {"execute launcher without position", {"EXECUTE_LAUNCHER"}, {}, 0,
       instructionsError(idMissing)},
      {"self-referencing variable", {"SET S1 = \"x@@S1@@\"", "INSTALL_JVM @S1@"}, {}, 0,
       instructionsError(" Variable expansion does not end (a variable refers to itself).", 2)},
  });
}

TEST_F(InstructionCommandsTest, FailuresOfTheJvmCommandsPassThroughUnchanged) {
  class FailingFake : public RecordingJvmCommands {
    void doFindJvm(bool, bool) override { throw LauncherException("No JVM here."); }
  } failing;
  TagFile lines = programOf({"INITIALIZE_UI", "FIND_JVM 0 0", "INITIALIZE_UI"});
  InstructionInterpreter interpreter(lines, failing);
  EXPECT_EQ(launcherError("No JVM here."), outcomeOf([&] { interpreter.runInstructions(); }));
  EXPECT_EQ(Calls{"INITIALIZE_UI"}, failing.calls);
}

TEST_F(InstructionCommandsTest, UnavailableJvmCommandsNameTheCommand) {
  installJvmCommands(makeUnavailableJvmCommands());
  struct Case {
    std::string line;
    std::string command;
  };
  const std::vector<Case> cases = {
      {"FIND_JVM 1 1", "FIND_JVM"},   {"INITIALIZE_UI", "INITIALIZE_UI"},
      {"INSTALL_JVM 1", "INSTALL_JVM"}, {"LAUNCH jvm 0", "LAUNCH"},
      {"ILAUNCH 1 0", "ILAUNCH"},     {"VERIFY 1 1 1", "VERIFY"},
      {"EXECUTE_LAUNCHER 0", "EXECUTE_LAUNCHER"},
  };
  for (const Case& c : cases) {
    TagFile lines = programOf({c.line});
    InstructionInterpreter interpreter(lines);
    EXPECT_EQ(launcherError("The command " + c.command + " is not available in this build yet."),
              outcomeOf([&] { interpreter.runInstructions(); }))
        << c.line;
  }
}

TEST_F(InstructionCommandsTest, InstalledJvmCommandsServeInterpretersMadeFromTheTagFileAlone) {
  TagFile lines = programOf({"VERIFY 1 0 3", "LAUNCH jvm 2"});
  InstructionInterpreter interpreter(lines);
  auto installed = std::make_unique<RecordingJvmCommands>();
  RecordingJvmCommands& recording = *installed;
  recording.launchResult = 9;
  installJvmCommands(std::move(installed));
  EXPECT_EQ(9, interpreter.runInstructions());
  EXPECT_EQ((Calls{"VERIFY true false 3", "LAUNCH jvm 2"}), recording.calls);
}

}  // namespace
}  // namespace vd
