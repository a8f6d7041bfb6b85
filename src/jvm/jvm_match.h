#pragma once
#include <string>

#include "archive/tag_file.h"

namespace vd {

// A verified JVM: its home as the candidate was given, and the jvm file it matched.
struct JvmMatch {
  std::string home;
  bool temporary = false;  // found through a path hint relative to the launcher
  TagFile* tags = nullptr;  // the matching descriptor's tags, not owned
};

}  // namespace vd
