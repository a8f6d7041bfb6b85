#include "platform/file_chooser.h"

#include <unistd.h>

#include <cstdio>

namespace vd::platform {
namespace {

constexpr size_t kMaxPath = 260;

// One line from standard input, without its line end; what does not fit is read and dropped.
std::string readAnswer() {
  std::string answer;
  for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
    if (answer.size() < kMaxPath) answer += static_cast<char>(c);
  if (!answer.empty() && answer.back() == '\r') answer.pop_back();
  return answer;
}

}  // namespace

// Without a terminal nobody could answer, and a launcher run by another program must not
// wait for input that never comes.
std::string chooseFileToOpen(const std::string& pattern) {
  if (!isatty(STDIN_FILENO) || !isatty(STDERR_FILENO)) return std::string();
  std::fprintf(stderr, "File to open (%s), or an empty line to cancel: ", pattern.c_str());
  std::fflush(stderr);
  return readAnswer();
}

}  // namespace vd::platform
