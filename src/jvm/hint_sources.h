#pragma once
// What the hint strategies read from the machine: the registry and the drive list. Tests
// substitute their own.
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/registry.h"

namespace vd {

class HintSources {
 public:
  virtual ~HintSources() = default;
  virtual platform::RegistryRead readRegistryText(platform::RegistryRoot root,
                                                  const std::string& keyPath,
                                                  const std::string& valueName) const = 0;
  virtual std::vector<platform::LogicalDrive> logicalDrives() const = 0;
};

// The running system's registry and drives.
const HintSources& systemHintSources();

}  // namespace vd
