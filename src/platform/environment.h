#pragma once
#include <optional>
#include <string>

namespace vd::platform {

// The value of an environment variable of this process; nullopt when it is not set.
std::optional<std::string> getEnvironmentVariable(const std::string& name);
// Sets (or, with nullopt, removes) a variable of this process; children inherit it.
void setEnvironmentVariable(const std::string& name, const std::optional<std::string>& value);

}  // namespace vd::platform
