#pragma once
#include <atomic>
#include <string>
#include <vector>

namespace vd {

// The temporary directory and what the launcher created below it, removed at exit.
struct TempFileState {
  std::string tempDirectory;
  std::vector<std::string> directories;
  std::vector<std::string> files;
  // Held while the lists change or are being removed: the window thread may run the cleanup
  // at the end of the session while the worker thread still works.
  std::atomic<bool> listsBusy{false};
  // The launcher's own file is scheduled for removal once, whichever thread cleans up first.
  std::atomic<bool> selfDeletionScheduled{false};
};

}  // namespace vd
