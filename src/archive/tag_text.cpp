#include "archive/tag_text.h"

#include <algorithm>

namespace vd {
namespace {

constexpr const char* kBlanks = " \t\n\r";
constexpr const char* kBlockEnd = "/:";

bool isTagBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string trimTagBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool needsQuotes(const std::string& value) {
  return value.empty() || isTagBlank(value.front()) || isTagBlank(value.back()) ||
         value.find('"') != std::string::npos;
}

std::string formatValue(const std::string& value) {
  if (!needsQuotes(value)) return "  " + value + "\n";
  std::string quoted = "  \"";
  for (char c : value) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"\n";
}

}  // namespace

void TagTextParser::run() {
  while (!atEnd()) {
    std::string line = nextLine();
    if (!line.empty()) parseTagLine(line);
  }
}

std::string TagTextParser::nextLine() {
  size_t end = std::min(text_.find('\n', position_), text_.size());
  std::string line = text_.substr(position_, end - position_);
  position_ = end + 1;
  std::erase(line, '\r');
  ++tags_.lineCounter_;
  return trimTagBlanks(line);
}

void TagTextParser::parseTagLine(const std::string& line) {
  size_t colon = line.find(':');
  if (colon == std::string::npos)
    tags_.syntaxError(tags_.lineCounter_, "Missing colon at the end of the tag name.");
  std::string name = trimTagBlanks(line.substr(0, colon));
  tags_.remove(name);
  if (colon + 1 == line.size()) {
    parseBlock(name);
    return;
  }
  size_t start = line.find_first_not_of(kBlanks, colon + 1);
  if (start == std::string::npos) tags_.syntaxError(tags_.lineCounter_, "Invalid tag format.");
  std::string value = line.substr(start);
  if (line[start] == '"') {
    int position = static_cast<int>(start) + 1;
    value = readQuotedArgument(line, position, true);
  }
  tags_.set(name, value);
  tags_.noteValueLine(name, tags_.lineCounter_);
}

void TagTextParser::parseBlock(const std::string& name) {
  const int tagLine = tags_.lineCounter_;
  for (;;) {
    if (atEnd()) tags_.syntaxError(tagLine, "Missing /: tag completer.");
    std::string value = nextLine();
    if (!value.empty() && value.front() == '"') {
      int position = 1;
      value = readQuotedArgument(value, position, true);
    }
    if (value.empty()) continue;
    if (value == kBlockEnd) return;
    tags_.add(name, value);
    tags_.noteValueLine(name, tags_.lineCounter_);
  }
}

std::string formatTagText(const std::vector<TagFile::Entry>& entries) {
  std::string text;
  for (const auto& [name, values] : entries) {
    if (values.empty()) continue;
    text += name + ":";
    if (values.size() == 1) {
      text += formatValue(values.front());
      continue;
    }
    text += "\n";
    for (const std::string& value : values) text += formatValue(value);
    text += std::string(kBlockEnd) + "\n";
  }
  return text;
}

}  // namespace vd
