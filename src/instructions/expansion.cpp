// Argument reading and @reference@ expansion.
#include "instructions/interpreter.h"
#include "instructions/text_scan.h"
#include "instructions/variable_ref.h"
#include "launcher/exceptions.h"

namespace vd {
namespace {

// A value that refers to itself (stored through @@) would grow or repeat forever; these
// bounds are far beyond any real program's needs.
constexpr size_t kMaxExpandedLength = 64 * 1024;
constexpr int kMaxReplacements = 10000;

const char kEndlessExpansion[] = "Variable expansion does not end (a variable refers to itself).";

// A leading double quote quotes up to its partner (two quotes inside stand for one);
// otherwise the first word is kept.
std::string unquoteArgument(const std::string& text) {
  const bool quoted = text[0] == '"';
  int position = quoted ? 1 : 0;
  return vd::readQuotedArgument(text, position, quoted);
}

}  // namespace

// The scanned part of the text is moved to `done` as the scan goes, so that a run of "@@" costs
// no more than its length.
bool InstructionInterpreter::expandPass(std::string& text, const std::string& context,
                                        int& replacements) const {
  const std::string base = context + " ";
  bool replacedAny = false;
  std::string done;
  std::string rest = text;
  size_t search = 0;
  for (;;) {
    const size_t first = rest.find('@', search);
    if (first == std::string::npos) break;
    const size_t second = rest.find('@', first + 1);
    if (second == std::string::npos) raiseInstructionError(base + "Invalid variable specification.");
    done.append(rest, search, first - search);
    if (second == first + 1) {  // "@@" stands for one literal "@"
      done += '@';
      search = second + 1;
      continue;
    }
    const std::string value =
        variableText(parseVariableRef(rest.substr(first + 1, second - first - 1), context));
    replacedAny = true;
    // The scan goes on inside the inserted value, after its first character. An empty value
    // skips nothing, so that the text right after the reference is still scanned.
    if (!value.empty()) done += value[0];
    rest = (value.empty() ? std::string() : value.substr(1)) + rest.substr(second + 1);
    search = 0;
    if (++replacements > kMaxReplacements || done.size() + rest.size() > kMaxExpandedLength)
      raiseInstructionError(base + kEndlessExpansion);
  }
  text = done + rest.substr(search);
  return replacedAny;
}

void InstructionInterpreter::expandVariables(std::string& text, const std::string& context) const {
  if (text.empty()) raiseInstructionError(context + " Empty expression.");
  int replacements = 0;
  // Inserted values are expanded again by the next pass; a pass that replaced references
  // but left the text as it was would repeat forever.
  for (;;) {
    const std::string before = text;
    if (!expandPass(text, context, replacements)) return;
    if (text == before) raiseInstructionError(context + " " + kEndlessExpansion);
  }
}

void InstructionInterpreter::expandArgument(std::string& text, const std::string& context) const {
  if (text.empty()) return;
  text = unquoteArgument(text);
  expandVariables(text, context);
}

std::string InstructionInterpreter::readQuotedArgument(const std::string& line, size_t& position,
                                                       const std::string& context) const {
  // The line's last character never belongs to this argument: another one follows it.
  const size_t end = line.empty() ? 0 : line.size() - 1;
  std::string text;
  bool skipping = true;
  bool quoted = false;
  bool closed = false;
  while (position < end) {
    const char c = line[position++];
    if (skipping) {
      if (isBlank(c)) continue;
      skipping = false;
      if (c == '"') {
        quoted = true;
        text += c;
        continue;
      }
    }
    if (!quoted) {
      if (isBlank(c)) break;
      text += c;
      continue;
    }
    text += c;
    if (c != '"') continue;
    if (position < end && line[position] == '"') {  // an escaped quote: keep the pair
      text += line[position++];
      continue;
    }
    closed = true;
    break;
  }
  if (quoted && !closed)
    throw LauncherException("Expected ending quote in " + text + ":  " + context);
  expandArgument(text, context);
  return text;
}

}  // namespace vd
