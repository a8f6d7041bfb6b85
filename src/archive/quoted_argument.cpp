#include <string>

#include "archive/tag_file.h"
#include "launcher/exceptions.h"

namespace vd {
namespace {

[[noreturn]] void missingClosingQuote(int position) {
  throw LauncherException("Expected double quote to end argument near " +
                          std::to_string(position));
}

bool isArgumentBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string readUnquoted(const std::string& text, int& position) {
  size_t start = static_cast<size_t>(position);
  size_t end = start;
  while (end < text.size() && !isArgumentBlank(text[end])) ++end;
  position = end < text.size() ? static_cast<int>(end) : -1;
  return text.substr(start, end - start);
}

std::string readQuoted(const std::string& text, int& position) {
  std::string argument;
  size_t from = static_cast<size_t>(position);
  size_t quote = text.find('"', from);
  for (;;) {
    if (quote == std::string::npos) missingClosingQuote(position);
    bool doubled = quote + 1 < text.size() && text[quote + 1] == '"';
    if (!doubled) break;
    if (quote + 2 == text.size()) missingClosingQuote(-1);
    argument.append(text, from, quote - from + 1);
    from = quote + 2;
    position = static_cast<int>(from);
    quote = text.find('"', from);
  }
  argument.append(text, from, quote - from);
  position = quote + 1 < text.size() ? static_cast<int>(quote + 1) : -1;
  return argument;
}

}  // namespace

std::string readQuotedArgument(const std::string& text, int& position, bool quoted) {
  if (position < 0 || static_cast<size_t>(position) > text.size()) {
    if (quoted) missingClosingQuote(position);
    position = -1;
    return std::string();
  }
  return quoted ? readQuoted(text, position) : readUnquoted(text, position);
}

}  // namespace vd
