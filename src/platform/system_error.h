#pragma once
#include <cstdint>
#include <string>

namespace vd::platform {

// The calling thread's last system error code (GetLastError / errno).
uint32_t lastErrorCode();
// The system's text for an error code, empty when the system has none.
std::string systemErrorText(uint32_t code);

}  // namespace vd::platform
