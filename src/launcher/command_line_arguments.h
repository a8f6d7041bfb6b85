#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace vd {

// The process's split command line, the program name at position 0. Written once by the main
// thread before the worker starts; the worker only reads it.
class CommandLineArguments {
 public:
  explicit CommandLineArguments(std::vector<std::string> arguments)
      : arguments_(std::move(arguments)) {}

  size_t count() const { return arguments_.size(); }
  // The text at `position`; empty outside the list.
  std::string at(size_t position) const {
    return position < arguments_.size() ? arguments_[position] : std::string();
  }
  std::vector<std::string> withoutProgramName() const {
    if (arguments_.empty()) return {};
    return std::vector<std::string>(arguments_.begin() + 1, arguments_.end());
  }

 private:
  std::vector<std::string> arguments_;
};

}  // namespace vd
