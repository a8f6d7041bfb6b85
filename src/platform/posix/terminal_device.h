#pragma once
#include <optional>
#include <string>

namespace vd::platform {

// Where the terminal UI writes and reads: standard error and standard input, or a stand-in.
class TerminalDevice {
 public:
  virtual ~TerminalDevice() = default;
  // Whether the output is a terminal, on which a line can be redrawn in place.
  virtual bool isTerminal() = 0;
  // Whether someone can answer a prompt: the output and the input are both terminals.
  virtual bool canPrompt() = 0;
  virtual int columns() = 0;
  virtual void write(const std::string& text) = 0;
  // One line typed by the user, without its line end; nothing at the end of the input.
  virtual std::optional<std::string> readLine() = 0;
};

// Writes `question` and returns the trimmed line typed after it; empty when nobody can answer.
std::string askTerminal(TerminalDevice& terminal, const std::string& question);

// The process's standard error and standard input.
TerminalDevice& standardTerminal();

}  // namespace vd::platform
