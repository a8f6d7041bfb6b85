#pragma once
// The class path of the Java command: the CP function and its parts.
#include <string>
#include <vector>

#include "jvm/jvm_descriptor.h"

namespace vd {

class LaunchScript;

// Adds one item, after the jvm's CLASSPATH_SEPARATOR when the class path is not empty.
void appendClassPathItem(const JvmDescriptor& jvm, std::string& classPath, const std::string& item);
// Adds a value: trimmed, ignored when empty; "@path" adds the items of that list file.
void addClassPathEntry(const JvmDescriptor& jvm, std::string& classPath, const std::string& value);
// The lines of a list file joined as class path items.
std::string readClassPathList(const JvmDescriptor& jvm, const std::string& path, bool warnIfMissing);
// The embedded class path archives, extracted into a new temporary directory.
std::string classPathArchives(const LaunchScript& script, bool quote);
// Removes one double quote at the start and then one at the end.
std::string stripQuotes(const std::string& text);

// CP: the class path option for the jvm, or "" when the class path goes into the environment
// variable the jvm file names.
std::string classPathFunction(const LaunchScript& script, const std::vector<std::string>& args);

}  // namespace vd
