#pragma once
// Access to the process-wide instruction variables S1..S10 and N1..N5 (1-based indices).
// An index out of range raises a LauncherException.
#include <cstdint>
#include <string>

namespace vd {

std::string getStringVariable(int32_t index);
void setStringVariable(int32_t index, const std::string& text);
int32_t getNumericVariable(int32_t index);
void setNumericVariable(int32_t index, int32_t value);

}  // namespace vd
