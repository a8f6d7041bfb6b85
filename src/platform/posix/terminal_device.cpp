#include "platform/posix/terminal_device.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>

namespace vd::platform {
namespace {

constexpr int kDefaultColumns = 80;

class StandardTerminal : public TerminalDevice {
 public:
  bool isTerminal() override { return isatty(STDERR_FILENO) == 1; }
  bool canPrompt() override { return isTerminal() && isatty(STDIN_FILENO) == 1; }

  int columns() override {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return kDefaultColumns;
  }

  void write(const std::string& text) override {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
  }

  std::optional<std::string> readLine() override {
    std::string line;
    for (int c = std::getchar(); c != '\n'; c = std::getchar()) {
      if (c == EOF) {
        if (line.empty()) return std::nullopt;
        break;
      }
      line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
};

std::string trimmed(const std::string& text) {
  const char* blanks = " \t\r\n";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

std::string askTerminal(TerminalDevice& terminal, const std::string& question) {
  if (!terminal.canPrompt()) return std::string();
  terminal.write(question + ": ");
  std::optional<std::string> answer = terminal.readLine();
  if (!answer) {
    terminal.write("\n");
    return std::string();
  }
  return trimmed(*answer);
}

TerminalDevice& standardTerminal() {
  static StandardTerminal terminal;
  return terminal;
}

}  // namespace vd::platform
