#pragma once
#include <string>

namespace vd {

// -vd:tempdir: the directory below which the launcher creates its temporary files.
void setTempDirectory(const std::string& directory);

}  // namespace vd
