#pragma once
// The status message facade: the only way the launcher's work reaches the user.
#include <cstdint>
#include <string>

namespace vd {

class ProgressUi;
void setProgressUi(ProgressUi* ui);

void showStatus(int kind);
void showSubStatus(int kind, const std::string& text);
void stepProgress(int n);
void putProgress(int n);
void showWindow();
void setSilentMode(bool silent);
bool isSilentMode();
bool hideWindowAfter(int16_t seconds);
bool isWindowVisible();
void messageBox(const std::string& text);
std::string messageText(int index);
void showProductTitle();
std::string chooseJvmDestination();

}  // namespace vd
