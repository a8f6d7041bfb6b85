#include "launch/argument_list.h"

#include "archive/tag_file.h"
#include "instructions/text_scan.h"
#include "launch/launch_script_error.h"

namespace vd {
namespace {

enum class Expect { kOpen, kArgument, kAfterArgument };

[[noreturn]] void raiseSyntax(const std::string& text, const char* message, size_t stepStart) {
  raiseLaunchScriptError(text, std::string(message) + " (near character " +
                                   std::to_string(stepStart) + ")");
}

size_t skipBlanks(const std::string& text, size_t pos) {
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  return pos;
}

// Reads the quoted argument whose opening quote is at `pos`; false when its closing quote
// ended the text, which also ends the list.
bool readArgument(const std::string& text, size_t& pos, ArgumentList& list) {
  int position = static_cast<int>(pos + 1);
  list.arguments.push_back(readQuotedArgument(text, position, true));
  if (position < 0) {
    pos = text.size();
    return false;
  }
  pos = static_cast<size_t>(position);
  return true;
}

}  // namespace

ArgumentList readArgumentList(const std::string& text, size_t position) {
  ArgumentList list;
  Expect expect = Expect::kOpen;
  size_t pos = position;
  for (;;) {
    size_t stepStart = pos;
    pos = skipBlanks(text, pos);
    char c = pos < text.size() ? text[pos] : '\0';
    bool atEnd = pos >= text.size();
    if (expect == Expect::kOpen) {
      if (atEnd || c != '(') raiseSyntax(text, "Expected left parenthesis.", stepStart);
      ++pos;
      expect = Expect::kArgument;
    } else if (!atEnd && c == ')') {
      list.end = pos + 1;
      return list;
    } else if (expect == Expect::kArgument) {
      if (atEnd || c != '"') raiseSyntax(text, "Expected string arg.", stepStart);
      if (!readArgument(text, pos, list)) {
        list.end = pos;
        return list;
      }
      expect = Expect::kAfterArgument;
    } else {
      if (atEnd || c != ',') raiseSyntax(text, "Expected right parenthesis.", stepStart);
      ++pos;
      expect = Expect::kArgument;
    }
  }
}

}  // namespace vd
