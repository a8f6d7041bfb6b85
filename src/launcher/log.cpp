#include "launcher/log.h"

#include "launcher/process_state.h"
#include "platform/environment.h"
#include "platform/files.h"

namespace vd {
namespace {

// Longer values do not fit the buffer the debug log path is read into, and disable it.
constexpr size_t kDebugPathLimit = 260;

const char* prefixFor(int kind) {
  if (kind == kLogWarning) return "WARNING: ";
  if (kind == kLogError) return "ERROR: ";
  return "";
}

}  // namespace

void writeLog(const std::string& text, int kind) {
  ProcessState& state = processState();
  const std::string& path = state.settings.logFile;
  if (path.empty()) return;
  platform::UniqueFile file = platform::openFile(path, "a");
  if (!file) return;
  if (!state.log.separatorWritten) {
    std::fputs("------------------\n", file.get());
    state.log.separatorWritten = true;
  }
  std::fprintf(file.get(), "%s%s\n", prefixFor(kind), text.c_str());
  std::fflush(file.get());
}

void initDebugLog() {
  DebugLogState& debug = processState().debugLog;
  std::optional<std::string> value = platform::getEnvironmentVariable("DBGWIN32KRT");
  if (!value || value->empty()) return;
  debug.enabled = true;
  if (value->size() < kDebugPathLimit) debug.path = *value;
  writeDebug("Launcher Started", true);
}

void writeDebug(const std::string& text, bool lineEnd) {
  const DebugLogState& debug = processState().debugLog;
  if (debug.path.empty()) return;
  platform::UniqueFile file = platform::openFile(debug.path, "a");
  if (!file) return;
  std::fprintf(file.get(), lineEnd ? "%s\n" : "%s", text.c_str());
}

}  // namespace vd
