#include "platform/os_family.h"

#include "launcher/process_state.h"

namespace vd {

bool isWindows9x() { return processState().windows9x; }

void initWindows9xFlag() { processState().windows9x = platform::queryWindows9x(); }

}  // namespace vd
