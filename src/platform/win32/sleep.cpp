#include "platform/sleep.h"

#include <windows.h>

namespace vd::platform {

void sleepMilliseconds(unsigned milliseconds) { Sleep(milliseconds); }

}  // namespace vd::platform
