#pragma once
// Verifying a candidate JVM: its executable runs the verification class, which prints a magic
// line and then the value of each Java system property the jvm file requires.
#include <string>
#include <vector>

#include "jvm/jvm_descriptor.h"

namespace vd {

inline constexpr const char* kVerificationMagicLine = "1739021872";

struct ExpectedProperty {
  std::string name;
  std::string value;  // a value ending in "..." expects only the text before it as a prefix
};

struct VerificationCommand {
  std::string text;  // a launch script command, expanded for the jvm when run
  std::vector<ExpectedProperty> expected;
};

// The command for `home`: the executable in quotes, the class path, the required Java
// arguments, the class name and one property name per well-formed JVM_PROPERTIES value (the
// others are logged as warnings and left out).
VerificationCommand buildVerificationCommand(const JvmDescriptor& jvm, const std::string& home,
                                             const std::string& classPath,
                                             const std::string& className);

// Whether the output holds the magic line followed by the expected values, one per line.
// Output that ends early leaves the remaining properties unchecked; no magic line logs
// "Invalid magic value: " and the last line read.
bool verificationOutputMatches(const std::string& output,
                               const std::vector<ExpectedProperty>& expected);

}  // namespace vd
