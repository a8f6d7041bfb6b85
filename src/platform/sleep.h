#pragma once

namespace vd::platform {

// Suspends the calling thread for about `milliseconds`.
void sleepMilliseconds(unsigned milliseconds);

}  // namespace vd::platform
