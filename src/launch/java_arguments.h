#pragma once
// System properties and extra Java arguments of the Java command.
#include <string>

#include "jvm/jvm_descriptor.h"

namespace vd {

// SYSTEMPROP: the jvm's SYSTEM, the name, SYSTEM_SEPARATOR and the value with its @NAME@
// references expanded.
std::string systemProperty(const JvmDescriptor& jvm, const std::string& name,
                           const std::string& value);
// RUNTIME_SYSTEMPROP: one property per "name=value" line of the .sp side file.
std::string runtimeSystemProperties(const JvmDescriptor& jvm);
// RUNTIME_JAVAARGS: the lines of the .ja side file, then the jvm's REQ_JAVA_ARGS.
std::string runtimeJavaArguments(const JvmDescriptor& jvm);

}  // namespace vd
