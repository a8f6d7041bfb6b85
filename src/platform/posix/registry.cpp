#include "platform/registry.h"

#include <cerrno>

namespace vd::platform {

// There is no registry here: every key is missing.
RegistryRead readRegistryText(RegistryRoot, const std::string&, const std::string&) {
  RegistryRead read;
  read.status = RegistryRead::Status::kKeyNotOpened;
  read.error = ENOENT;
  return read;
}

}  // namespace vd::platform
