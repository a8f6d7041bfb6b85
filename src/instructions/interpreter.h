#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/tag_file.h"

namespace vd {

class JvmCommands;

// Runs the instruction program: the lines of the INSTRUCTIONS value of a tag file. Errors in
// the program are InstructionsExceptions carrying the current line number (index + 1).
class InstructionInterpreter {
 public:
  // The JVM commands go to the process-wide implementation (jvmCommands()), looked up when a
  // command runs.
  explicit InstructionInterpreter(const TagFile& program);
  InstructionInterpreter(const TagFile& program, JvmCommands& commands);

  // Returns the result code of the last launch (0 when nothing was launched).
  int32_t runInstructions();

  // Reads LAUNCH's first argument from `position` (quotes kept up to expandArgument) and
  // returns it expanded.
  std::string readQuotedArgument(const std::string& line, size_t& position,
                                 const std::string& context) const;
  // Unquotes (or keeps the first word of) a non-empty text, then expands references.
  void expandArgument(std::string& text, const std::string& context) const;
  // Replaces @N1@ / @S1@ references by their values and @@ by @, pass after pass.
  void expandVariables(std::string& text, const std::string& context) const;
  int32_t evaluateNumber(const std::string& argument, const std::string& context) const;
  int16_t evaluateShort(const std::string& argument, const std::string& context) const;
  bool evaluateBoolean(const std::string& argument, const std::string& context) const;
  // The index of the first line equal to ":" + label (the label may hold references).
  int32_t findLabel(const std::string& label) const;
  [[noreturn]] void raiseInstructionError(const std::string& message) const;

  int32_t currentLine() const { return currentLine_; }

 private:
  struct Cursor {
    const std::string& line;
    size_t position = 0;
  };
  using CommandHandler = void (InstructionInterpreter::*)(Cursor&);
  struct Command {
    const char* word;
    CommandHandler run;
  };
  static const Command kCommands[];

  const std::vector<std::string>& lines() const;
  // One scan of expandVariables; returns whether it replaced a reference.
  bool expandPass(std::string& text, const std::string& context, int& replacements) const;
  void runLine(const std::string& line);
  JvmCommands& commands() const;

  // The next word, or a stop with `missingMessage` when there is none.
  std::string requireWord(Cursor& cursor, const std::string& missingMessage) const;
  bool requireBoolean(Cursor& cursor, const std::string& missingMessage) const;
  int32_t requireNumber(Cursor& cursor, const std::string& missingMessage) const;
  int16_t requireShort(Cursor& cursor, const std::string& missingMessage) const;

  void runFindJvm(Cursor& cursor);
  void runGoto(Cursor& cursor);
  void runILaunch(Cursor& cursor);
  void runInitializeUi(Cursor& cursor);
  void runInstallJvm(Cursor& cursor);
  void runJmp0(Cursor& cursor);
  void runLaunch(Cursor& cursor);
  void runSet(Cursor& cursor);
  void runVerify(Cursor& cursor);
  void runExecuteLauncher(Cursor& cursor);
  void runComment(Cursor& cursor);

  const TagFile& program_;
  JvmCommands* commands_ = nullptr;
  int32_t currentLine_ = 0;
  int32_t resultCode_ = 0;
};

}  // namespace vd
