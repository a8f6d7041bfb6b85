#include "instructions/variable_store.h"

#include "launcher/exceptions.h"
#include "launcher/process_state.h"

namespace vd {
namespace {

std::string& stringSlot(int32_t index) {
  auto& strings = processState().variables.strings;
  if (index < 1 || index > static_cast<int32_t>(strings.size()))
    throw LauncherException("Invalid string variable number: " + std::to_string(index));
  return strings[index - 1];
}

int32_t& numericSlot(int32_t index) {
  auto& numbers = processState().variables.numbers;
  if (index < 1 || index > static_cast<int32_t>(numbers.size()))
    throw LauncherException("Invalid numeric variable number: " + std::to_string(index));
  return numbers[index - 1];
}

}  // namespace

std::string getStringVariable(int32_t index) { return stringSlot(index); }
void setStringVariable(int32_t index, const std::string& text) { stringSlot(index) = text; }
int32_t getNumericVariable(int32_t index) { return numericSlot(index); }
void setNumericVariable(int32_t index, int32_t value) { numericSlot(index) = value; }

}  // namespace vd
