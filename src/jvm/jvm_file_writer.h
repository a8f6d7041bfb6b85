#pragma once
#include <string>

#include "jvm/jvm_match.h"

namespace vd {

// Saves a match as a jvm file: a new temporary file (removed at the end of the run unless a
// caller takes it off the list) holding the match's tags with JVM_HOME, JVM_FILE and JVM_TEMP
// set. Returns the file's path.
std::string writeJvmFile(const JvmMatch& match);

}  // namespace vd
