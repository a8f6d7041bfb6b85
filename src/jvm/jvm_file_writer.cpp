#include "jvm/jvm_file_writer.h"

#include "platform/temp_files.h"

namespace vd {

std::string writeJvmFile(const JvmMatch& match) {
  std::string path = createTempFileName();
  match.tags->setJvmLocation(match.home, path, match.temporary);
  match.tags->write(path);
  return path;
}

}  // namespace vd
