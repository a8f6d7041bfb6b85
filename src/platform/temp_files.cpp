#include "platform/temp_files.h"

#include "launcher/process_state.h"

namespace vd {

void setTempDirectory(const std::string& directory) {
  processState().tempFiles.tempDirectory = directory;
}

}  // namespace vd
