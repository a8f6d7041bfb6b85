#include "ui/status.h"

#include <iterator>

#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "launcher/text.h"
#include "ui/progress_ui.h"

namespace vd {
namespace {

constexpr int kNoResource = -1;
constexpr unsigned kTitleResource = 105;

// Resource ids by StatusKind.
constexpr int kStatusResources[] = {2, 3, 6, 5, 4};

// Resource ids by StatusMessage index.
constexpr int kMessageResources[] = {8,  9,  10, 11, 12, 13, 14, 15, 16, 19,
                                     21, 22, 23, 37, 24, 29, 33, 34, 35, 36};

StatusState& state() { return processState().status; }
ProgressUi* ui() { return state().ui; }

int statusResourceFor(int kind) {
  if (kind < 0 || kind >= static_cast<int>(std::size(kStatusResources))) return kNoResource;
  return kStatusResources[kind];
}

int subStatusResourceFor(int kind, const std::string& text) {
  if (kind == kSubStatusSearchingFor && !text.empty()) return 7;
  if (kind == kSubStatusScanningDisks) return 25;
  if (kind == kSubStatusVerifying && !text.empty()) return 26;
  return kNoResource;
}

std::string statusText() {
  if (state().statusResource <= 0) return std::string();
  return formatResource(static_cast<unsigned>(state().statusResource), {ui()->getTitle()});
}

std::string subStatusText() {
  return formatResource(static_cast<unsigned>(state().subStatusResource), {state().subStatusText});
}

void refreshStatus() {
  if (!ui()) return;
  std::string status = statusText();
  if (state().subStatusResource <= 0)
    ui()->setStatus(status);
  else
    ui()->setStatusPair(status, subStatusText());
}

// Dropping the sub-status does not redraw: the line keeps the last pair until the next status.
void refreshSubStatus() {
  if (!ui() || state().subStatusResource <= 0) return;
  ui()->setStatusPair(statusText(), subStatusText());
}

}  // namespace

void setProgressUi(ProgressUi* ui) { state().ui = ui; }

void showStatus(int kind) {
  if (state().silent) return;
  state().statusResource = statusResourceFor(kind);
  if (state().statusResource != kNoResource) {
    refreshStatus();
  } else if (ui()) {
    ui()->setStatus(std::string());
  }
}

void showSubStatus(int kind, const std::string& text) {
  if (state().silent) return;
  int resource = subStatusResourceFor(kind, text);
  state().subStatusResource = resource;
  if (resource != kNoResource) {
    state().subStatusKind = kind;
    state().subStatusText = text;
  } else {
    state().subStatusKind = kSubStatusNone;
  }
  refreshSubStatus();
}

void stepProgress(int n) {
  if (!state().silent && ui()) ui()->advanceProgress(n);
}

void putProgress(int n) {
  if (!state().silent && ui()) ui()->setProgress(n);
}

void showWindow() {
  if (state().silent) {
    hideWindowAfter(0);
    return;
  }
  if (ui()) ui()->show();
}

void setSilentMode(bool silent) { state().silent = silent; }
bool isSilentMode() { return state().silent; }

bool hideWindowAfter(int16_t seconds) { return ui() ? ui()->hideAfter(seconds) : false; }
bool isWindowVisible() { return ui() ? ui()->isVisible() : false; }

void messageBox(const std::string& text) {
  if (!state().silent && ui()) ui()->showMessage(text);
}

std::string messageText(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kMessageResources)))
    throw LauncherException("Invalid status message index: " + std::to_string(index));
  return resourceText(static_cast<unsigned>(kMessageResources[index]));
}

void showProductTitle() {
  if (ui()) ui()->setTitle(resourceText(kTitleResource));
}

std::string chooseJvmDestination() {
  if (state().silent || !ui()) return std::string();
  return ui()->chooseFolder();
}

SubStatusSaver::SubStatusSaver()
    : kind_(state().subStatusKind), text_(state().subStatusText) {}

// A destructor must not throw: a failure to redraw the line is not worth ending the process.
SubStatusSaver::~SubStatusSaver() {
  try {
    showSubStatus(kind_, text_);
  } catch (...) {
  }
}

}  // namespace vd
