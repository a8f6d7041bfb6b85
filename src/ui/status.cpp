#include "ui/status.h"

#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "launcher/text.h"
#include "platform/message_box.h"
#include "ui/progress_ui.h"

namespace vd {
namespace {

// Resource ids of the texts callers name by index.
constexpr int kMessageResources[] = {8,  9,  10, 11, 12, 13, 14, 15, 16, 19,
                                     21, 22, 23, 37, 24, 29, 33, 34, 35, 36};

StatusState& state() { return processState().status; }

}  // namespace

void setProgressUi(ProgressUi* ui) { state().ui = ui; }

void showStatus(int) {}
void showSubStatus(int, const std::string&) {}
void stepProgress(int n) {
  if (!state().silent && state().ui) state().ui->advanceProgress(n);
}
void putProgress(int n) {
  if (!state().silent && state().ui) state().ui->setProgress(n);
}
void showWindow() {}
void setSilentMode(bool silent) { state().silent = silent; }
bool isSilentMode() { return state().silent; }
bool hideWindowAfter(int16_t seconds) { return state().ui ? state().ui->hideAfter(seconds) : false; }
bool isWindowVisible() { return state().ui ? state().ui->isVisible() : false; }

void messageBox(const std::string& text) {
  if (state().silent) return;
  if (state().ui)
    state().ui->showMessage(text);
  else
    platform::showMessageBox(text, "");
}

std::string messageText(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kMessageResources)))
    throw LauncherException("Invalid status message index: " + std::to_string(index));
  return resourceText(static_cast<unsigned>(kMessageResources[index]));
}

void showProductTitle() {}
std::string chooseJvmDestination() { return std::string(); }

}  // namespace vd
