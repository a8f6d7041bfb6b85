#pragma once
#include <string>

namespace vd {

class ProgressUi;

// The status message facade's state.
struct StatusState {
  ProgressUi* ui = nullptr;
  bool silent = false;
  int statusResource = -1;
  int subStatusResource = -1;
  int subStatusKind = 0;
  std::string subStatusText;
};

}  // namespace vd
