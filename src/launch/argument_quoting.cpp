#include "launch/argument_quoting.h"

namespace vd {

std::string quoteArgument(const std::string& argument) {
  std::string text = " \"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // A run of backslashes is literal unless a quote follows it: then each must be doubled
    // and the quote itself escaped.
    if (c == '"') backslashes = backslashes * 2 + 1;
    text.append(backslashes, '\\');
    backslashes = 0;
    text += c;
  }
  // The closing quote follows the last run, so that run is doubled as well.
  text.append(backslashes * 2, '\\');
  text += '"';
  return text;
}

}  // namespace vd
