#pragma once

namespace vd::platform {

// Asks the system whether it is of the Windows 9x family (95, 98, Me). False elsewhere, and
// when the system answers no version query.
bool queryWindows9x();

}  // namespace vd::platform

namespace vd {

// The answer of queryWindows9x, taken once at start-up.
bool isWindows9x();
void initWindows9xFlag();

}  // namespace vd
