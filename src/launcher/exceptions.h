#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace vd {

// A failure with a finished message. Layers that know more context catch it and throw a new
// one whose message is their context text followed by the caught message.
class LauncherException {
 public:
  explicit LauncherException(std::string message) : message_(std::move(message)) {}
  virtual ~LauncherException() = default;
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

// An error in the instruction program; only the run driver catches it.
class InstructionsException {
 public:
  InstructionsException(std::string message, int32_t line)
      : message_(std::move(message)), line_(line) {}
  virtual ~InstructionsException() = default;
  const std::string& message() const { return message_; }
  int32_t line() const { return line_; }

 private:
  std::string message_;
  int32_t line_;
};

// Runs `work`; a LauncherException it raises becomes one whose message is `context` followed
// by the caught message.
inline void withContext(const std::string& context, const std::function<void()>& work) {
  try {
    work();
  } catch (const LauncherException& e) {
    throw LauncherException(context + e.message());
  }
}

}  // namespace vd
