// How each command reads and checks its arguments. Arguments are read left to right, each one
// evaluated before the next word is read; the action starts only after all of them are read.
#include "instructions/interpreter.h"
#include "instructions/jvm_commands.h"
#include "instructions/text_scan.h"
#include "instructions/variable_ref.h"
#include "launcher/exceptions.h"

namespace vd {
namespace {

const char kIdArgumentMissing[] =
    "The first argument to ILAUNCH should be the file index number of the jvm file.";

}  // namespace

std::string InstructionInterpreter::requireWord(Cursor& cursor,
                                                const std::string& missingMessage) const {
  std::string word;
  if (!nextToken(cursor.line, cursor.position, word)) raiseInstructionError(missingMessage);
  return word;
}

bool InstructionInterpreter::requireBoolean(Cursor& cursor,
                                            const std::string& missingMessage) const {
  return evaluateBoolean(requireWord(cursor, missingMessage), "");
}

int32_t InstructionInterpreter::requireNumber(Cursor& cursor,
                                              const std::string& missingMessage) const {
  return evaluateNumber(requireWord(cursor, missingMessage), "");
}

int16_t InstructionInterpreter::requireShort(Cursor& cursor,
                                             const std::string& missingMessage) const {
  return evaluateShort(requireWord(cursor, missingMessage), "");
}

void InstructionInterpreter::runFindJvm(Cursor& cursor) {
  const bool showUi = requireBoolean(
      cursor,
      "The first argument to FIND_JVM should be a 1 if the UI should be displayed or a 0 if the "
      "UI should be suppressed.");
  const bool showFailureMessage = requireBoolean(
      cursor,
      "The second argument to FIND_JVM should be a 1 if a find failure message should be "
      "displayed in a UI or 0 if no message should be displayed.");
  commands().doFindJvm(showUi, showFailureMessage);
}

void InstructionInterpreter::runGoto(Cursor& cursor) {
  const std::string label =
      requireWord(cursor, "The GOTO command requires a label as its only argument.");
  currentLine_ = findLabel(label);
}

void InstructionInterpreter::runILaunch(Cursor& cursor) {
  const int32_t fileId = requireNumber(cursor, kIdArgumentMissing);
  const int16_t seconds = requireShort(
      cursor,
      "The second argument to ILAUNCH should be the number of seconds to display the UI during "
      "the launch.");
  resultCode_ = commands().doILaunch(fileId, seconds);
}

void InstructionInterpreter::runInitializeUi(Cursor&) { commands().doInitializeUi(); }

void InstructionInterpreter::runInstallJvm(Cursor& cursor) {
  const std::string wrongMode = "The first argument to INSTALL_JVM should be a 0, 1 or 2.";
  const int32_t mode = requireNumber(cursor, wrongMode);
  if (mode < 0 || mode > 2) raiseInstructionError(wrongMode);
  commands().doInstallJvm(mode);
}

void InstructionInterpreter::runJmp0(Cursor& cursor) {
  std::string expression;
  nextToken(cursor.line, cursor.position, expression);  // an empty one fails as it evaluates
  const int32_t value = evaluateNumber(expression, "The second argument to JMP0 must be numeric.");
  const std::string label =
      requireWord(cursor, "JMP0 requires a jump label as its second argument.");
  if (value == 0) currentLine_ = findLabel(label);
}

void InstructionInterpreter::runLaunch(Cursor& cursor) {
  const std::string fileName =
      readQuotedArgument(cursor.line, cursor.position, "Invalid jvm file name specified in LAUNCH.");
  const int16_t seconds = requireShort(
      cursor,
      "The second argument to LAUNCH should be the number of seconds to display the UI during "
      "the launch.");
  resultCode_ = commands().doLaunch(fileName, seconds);
}

void InstructionInterpreter::runSet(Cursor& cursor) {
  const std::string statement = trimBlanks(cursor.line.substr(cursor.position));
  const size_t equals = statement.find('=');
  if (equals == std::string::npos) raiseInstructionError("SET statement is missing =.");
  // A bad reference or value is an error of this line, not a bare launcher failure.
  try {
    const VariableRef ref =
        parseVariableRef(trimBlanks(statement.substr(0, equals)),
                         "Invalid variable specified on left hand side of SET statement.");
    std::string value = trimBlanks(statement.substr(equals + 1));
    expandArgument(value, "Invalid expression specified for SET command");
    assignVariable(ref, value, "Invalid value specified for SET command");
  } catch (const LauncherException& e) {
    raiseInstructionError(e.message());
  }
}

void InstructionInterpreter::runVerify(Cursor& cursor) {
  const bool showUi = requireBoolean(
      cursor,
      "The first argument to VERIFY should be a 1 if the UI should be displayed or a 0 if the UI "
      "should be suppressed.");
  const bool showFailureMessage = requireBoolean(
      cursor,
      "The second argument to VERIFY should be a 1 if a find failure message should be displayed "
      "in a UI or 0 if no message should be displayed.");
  const int32_t fileId = requireNumber(
      cursor, "The third argument to VERIFY should be the file index number of the jvm file.");
  commands().doVerify(showUi, showFailureMessage, fileId);
}

void InstructionInterpreter::runExecuteLauncher(Cursor& cursor) {
  // The missing-argument text is ILAUNCH's, as the language has always reported it.
  commands().doExecuteLauncher(requireNumber(cursor, kIdArgumentMissing));
}

void InstructionInterpreter::runComment(Cursor&) {}

}  // namespace vd
