#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vd {

// The instruction variables S1..S10 and N1..N5 (stored 0-based).
struct InstructionVariables {
  std::array<std::string, 10> strings;
  std::array<int32_t, 5> numbers{};
};

}  // namespace vd
