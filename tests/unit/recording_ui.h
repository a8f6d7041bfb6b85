#pragma once
// A ProgressUi that records every operation the status facade reaches.
#include <string>
#include <vector>

#include "ui/progress_ui.h"

namespace vd::testing {

// Title reads, which the status texts need, are not recorded.
class RecordingUi : public ProgressUi {
 public:
  std::vector<std::string> calls;
  std::string title = "Vandrel Wizard";
  std::string folder = "C:\\Chosen";

  bool create(void*, int) override { return record("create"), true; }
  int runMessageLoop() override { return record("runMessageLoop"), 0; }
  void setStatus(const std::string& t) override { record("setStatus(" + t + ")"); }
  void setStatusPair(const std::string& a, const std::string& b) override {
    record("setStatusPair(" + a + "|" + b + ")");
  }
  void advanceProgress(int n) override { record("advanceProgress(" + std::to_string(n) + ")"); }
  void setProgress(int n) override { record("setProgress(" + std::to_string(n) + ")"); }
  void show() override { record("show"); }
  bool hideAfter(int16_t s) override { return record("hideAfter(" + std::to_string(s) + ")"), true; }
  bool isVisible() override { return record("isVisible"), true; }
  void showMessage(const std::string& t) override { record("showMessage(" + t + ")"); }
  std::string getTitle() override { return title; }
  void setTitle(const std::string& t) override { record("setTitle(" + t + ")"); }
  std::string chooseFolder() override { return record("chooseFolder"), folder; }

 private:
  void record(const std::string& call) { calls.push_back(call); }
};

}  // namespace vd::testing
