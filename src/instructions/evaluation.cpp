// Numeric and boolean arguments: expanded first, then read as decimal numbers.
#include "instructions/interpreter.h"
#include "instructions/text_scan.h"

namespace vd {

namespace {

std::string expandedCopy(const InstructionInterpreter& interpreter, const std::string& argument,
                         const std::string& context) {
  std::string expanded = argument;
  interpreter.expandVariables(expanded, context);
  return expanded;
}

}  // namespace

int32_t InstructionInterpreter::evaluateNumber(const std::string& argument,
                                               const std::string& context) const {
  const std::string expanded = expandedCopy(*this, argument, context);
  if (std::optional<int32_t> value = readNumber32(expanded)) return *value;
  raiseInstructionError(context + "Invalid numeric expression (" + expanded + ")");
}

int16_t InstructionInterpreter::evaluateShort(const std::string& argument,
                                              const std::string& context) const {
  const std::string expanded = expandedCopy(*this, argument, context);
  if (std::optional<int16_t> value = readNumber16(expanded)) return *value;
  raiseInstructionError(context + " Invalid numeric expression (" + expanded + ")");
}

bool InstructionInterpreter::evaluateBoolean(const std::string& argument,
                                             const std::string& context) const {
  const int32_t value = evaluateNumber(argument, context);
  if (value != 0 && value != 1)
    raiseInstructionError(context + " Invalid boolean value (" + argument + ")");
  return value == 1;
}

}  // namespace vd
