#include "launcher/process_state.h"

#include <memory>

namespace vd {
namespace {

std::unique_ptr<ProcessState>& instance() {
  static std::unique_ptr<ProcessState> state = std::make_unique<ProcessState>();
  return state;
}

}  // namespace

ProcessState& processState() { return *instance(); }

void resetProcessState() { instance() = std::make_unique<ProcessState>(); }

}  // namespace vd
