#include "instructions/variable_ref.h"

#include "instructions/text_scan.h"
#include "instructions/variable_store.h"
#include "launcher/exceptions.h"

namespace vd {
namespace {

char upperType(char c) {
  if (c == 'n') return 'N';
  if (c == 's') return 'S';
  return c;
}

int32_t highestIndex(char type) { return type == 'N' ? 5 : 10; }

}  // namespace

VariableRef parseVariableRef(const std::string& ref, const std::string& context) {
  const std::string base = context + " ";
  if (ref.size() < 2)
    throw LauncherException(base +
                            "Variable references must be at least 2 characters (e.g. N1 and S10).");
  VariableRef parsed;
  parsed.type = upperType(ref[0]);
  if (parsed.type != 'N' && parsed.type != 'S')
    throw LauncherException(base + "Invalid variable reference (" + ref +
                            "). Must use N or S as the variable type, e.g. N2 or S1.");
  const std::string rest = ref.substr(1);
  std::optional<int32_t> index = readNumber32(rest);
  if (!index || *index < 1 || *index > highestIndex(parsed.type))
    throw LauncherException(base + "Variable number is invalid (" + rest + ")");
  parsed.index = *index;
  return parsed;
}

std::string variableText(const VariableRef& ref) {
  if (ref.type == 'N') return std::to_string(getNumericVariable(ref.index));
  return getStringVariable(ref.index);
}

void assignVariable(const VariableRef& ref, const std::string& value, const std::string& context) {
  if (ref.type != 'N') {
    setStringVariable(ref.index, value);
    return;
  }
  std::optional<int32_t> number = readNumber32(value);
  if (!number) throw LauncherException(context + " " + "Invalid numeric expression in " + value);
  setNumericVariable(ref.index, *number);
}

}  // namespace vd
