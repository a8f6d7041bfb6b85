#pragma once
// The platform's progress user interface: the windowed one on Windows, a terminal one on POSIX.
#include <memory>

#include "ui/progress_ui.h"
#include "ui/worker_window.h"

namespace vd::platform {

// ProgressUi has no virtual destructor: the object is deleted through the function that made it.
using ProgressUiPtr = std::unique_ptr<ProgressUi, void (*)(ProgressUi*)>;

// The UI reads `arguments` and runs `body` on its worker thread once `create` succeeded.
ProgressUiPtr createProgressUi(const CommandLineArguments& arguments, WorkerBody body);

}  // namespace vd::platform
