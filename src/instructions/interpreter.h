#pragma once
#include <cstdint>

#include "archive/tag_file.h"

namespace vd {

// Runs the instruction program: the lines of the INSTRUCTIONS value of a tag file.
class InstructionInterpreter {
 public:
  explicit InstructionInterpreter(const TagFile& program) : program_(program) {}
  // Returns the result code of the last launch (0 when nothing was launched).
  int32_t runInstructions();

 private:
  const TagFile& program_;
  int32_t currentLine_ = 0;
};

}  // namespace vd
