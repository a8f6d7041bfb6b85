#pragma once
#include <cstdint>
#include <string>

namespace vd {

// The launcher's user interface: operations in slot order. Slots 2 to 12 are called only
// through the status message facade.
class ProgressUi {
 public:
  virtual bool create(void* instance, int showCommand) = 0;  // 0
  virtual int runMessageLoop() = 0;                           // 1
  virtual void setStatus(const std::string& text) = 0;        // 2
  virtual void setStatusPair(const std::string& first, const std::string& second) = 0;  // 3
  virtual void advanceProgress(int n) = 0;                    // 4
  virtual void setProgress(int n) = 0;                        // 5
  virtual void show() = 0;                                    // 6
  virtual bool hideAfter(int16_t seconds) = 0;                // 7
  virtual bool isVisible() = 0;                               // 8
  virtual void showMessage(const std::string& text) = 0;      // 9
  virtual std::string getTitle() = 0;                         // 10
  virtual void setTitle(const std::string& text) = 0;         // 11
  virtual std::string chooseFolder() = 0;                     // 12

 protected:
  ~ProgressUi() = default;
};

}  // namespace vd
