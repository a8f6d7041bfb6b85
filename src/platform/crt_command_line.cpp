#include "platform/crt_command_line.h"

namespace vd::platform {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

class CommandLineReader {
 public:
  explicit CommandLineReader(const std::string& text) : text_(text) {}

  bool atEnd() const { return position_ >= text_.size(); }

  void skipBlanks() {
    while (!atEnd() && isBlank(text_[position_])) ++position_;
  }

  std::string readProgramName() {
    std::string word;
    bool quoted = false;
    for (; !atEnd(); ++position_) {
      char c = text_[position_];
      if (c == '"') {
        quoted = !quoted;
      } else if (!quoted && isBlank(c)) {
        break;
      } else {
        word += c;
      }
    }
    return word;
  }

  std::string readArgument() {
    std::string word;
    bool quoted = false;
    while (!atEnd()) {
      size_t backslashes = countBackslashes();
      if (peek() != '"') {
        word.append(backslashes, '\\');
        if (atEnd() || (!quoted && isBlank(peek()))) break;
        word += text_[position_++];
        continue;
      }
      word.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        word += '"';
      } else if (quoted && peek(1) == '"') {
        word += '"';
        ++position_;
      } else {
        quoted = !quoted;
      }
      ++position_;
    }
    return word;
  }

 private:
  char peek(size_t ahead = 0) const {
    return position_ + ahead < text_.size() ? text_[position_ + ahead] : '\0';
  }

  size_t countBackslashes() {
    size_t count = 0;
    while (peek() == '\\') {
      ++count;
      ++position_;
    }
    return count;
  }

  const std::string& text_;
  size_t position_ = 0;
};

}  // namespace

std::vector<std::string> parseCrtCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  CommandLineReader reader(commandLine);
  reader.skipBlanks();
  if (reader.atEnd()) return arguments;
  arguments.push_back(reader.readProgramName());
  for (reader.skipBlanks(); !reader.atEnd(); reader.skipBlanks())
    arguments.push_back(reader.readArgument());
  return arguments;
}

}  // namespace vd::platform
