#pragma once
// Read-only access to the registry. Systems without one answer every read with "key not opened".
#include <cstdint>
#include <string>

namespace vd::platform {

enum class RegistryRoot { kLocalMachine, kCurrentUser, kUsers, kClassesRoot, kCurrentConfig };

struct RegistryRead {
  enum class Status { kFound, kKeyNotOpened, kValueNotRead };
  Status status = Status::kKeyNotOpened;
  uint32_t error = 0;  // the system's code when not found
  std::string text;    // the value's data up to its first NUL
};

// Opens `keyPath` below `root` for reading, reads `valueName` (empty: the key's default value)
// and closes the key again. The value's type is not checked.
RegistryRead readRegistryText(RegistryRoot root, const std::string& keyPath,
                              const std::string& valueName);

}  // namespace vd::platform
