#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace vd::platform {

// The system's directory for temporary files, ending with the path separator.
std::string systemTempPath();

// Creates a new empty file named `prefix`, a unique hexadecimal number and ".tmp" in
// `directory`. nullopt on failure, with the system's code in lastErrorCode().
std::optional<std::string> createUniqueFile(const std::string& directory, const std::string& prefix);

// Whether a failure of createUniqueFile may go away when tried again shortly (Windows reports
// access denied while another process holds the candidate name).
bool isTransientTempNameError(uint32_t code);

}  // namespace vd::platform
