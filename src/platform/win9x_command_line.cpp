#include "platform/win9x_command_line.h"

namespace vd::platform {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

class Splitter {
 public:
  explicit Splitter(const std::string& text) : text_(text) {}

  std::vector<std::string> split() {
    std::vector<std::string> arguments;
    for (;;) {
      while (position_ < text_.size() && isBlank(text_[position_])) ++position_;
      if (position_ >= text_.size()) return arguments;
      escapes_ = !arguments.empty();
      std::string argument = readArgument();
      if (!argument.empty()) arguments.push_back(std::move(argument));
    }
  }

 private:
  std::string readArgument() {
    std::string argument;
    if (text_[position_] == '"') {
      ++position_;
      readQuoted(argument);
      return argument;
    }
    while (position_ < text_.size() && !isBlank(text_[position_])) {
      char c = text_[position_];
      if (c == '\\' && escapes_) {
        readEscape(argument);
      } else if (c == '"') {
        ++position_;
        readQuoted(argument);
      } else {
        argument += c;
        ++position_;
      }
    }
    return argument;
  }

  // Up to and including the closing quote (or the end of the text).
  void readQuoted(std::string& argument) {
    while (position_ < text_.size()) {
      char c = text_[position_];
      if (c == '\\' && escapes_) {
        readEscape(argument);
      } else if (c == '"') {
        ++position_;
        return;
      } else {
        argument += c;
        ++position_;
      }
    }
  }

  void readEscape(std::string& argument) {
    if (position_ + 1 >= text_.size()) {
      position_ = text_.size();
      return;
    }
    char next = text_[position_ + 1];
    if (next != '"') argument += '\\';
    argument += next;
    position_ += 2;
  }

  const std::string& text_;
  size_t position_ = 0;
  bool escapes_ = false;
};

}  // namespace

std::vector<std::string> splitWindows9xCommandLine(const std::string& commandLine) {
  return Splitter(commandLine).split();
}

}  // namespace vd::platform
