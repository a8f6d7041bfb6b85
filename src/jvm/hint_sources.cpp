#include "jvm/hint_sources.h"

namespace vd {
namespace {

class SystemHintSources : public HintSources {
 public:
  platform::RegistryRead readRegistryText(platform::RegistryRoot root, const std::string& keyPath,
                                          const std::string& valueName) const override {
    return platform::readRegistryText(root, keyPath, valueName);
  }
  std::vector<platform::LogicalDrive> logicalDrives() const override {
    return platform::logicalDrives();
  }
};

}  // namespace

const HintSources& systemHintSources() {
  static const SystemHintSources sources;
  return sources;
}

}  // namespace vd
