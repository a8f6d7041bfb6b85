#pragma once
#include <cstdint>
#include <string>

namespace vd {

// A parsed variable reference such as N1 or S10: type letter ('N' or 'S') and 1-based index.
struct VariableRef {
  char type = 'S';
  int32_t index = 1;
};

// Parses "N1", "s10", "N1x" (trailing text ignored). Failures raise a LauncherException whose
// message starts with `context` and one space.
VariableRef parseVariableRef(const std::string& ref, const std::string& context);
// The variable's value: numbers in signed decimal, strings as stored.
std::string variableText(const VariableRef& ref);
// Stores `value`; a numeric variable needs a 32-bit number, else a LauncherException
// "<context> Invalid numeric expression in <value>".
void assignVariable(const VariableRef& ref, const std::string& value, const std::string& context);

}  // namespace vd
