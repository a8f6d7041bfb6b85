#pragma once
#include "jvm/jvm_search.h"

namespace vd {

// The launcher archive's JVM search, with one descriptor per loaded jvm file (in load order)
// and the verification class an input file named. Loading fills the archive's lists; the
// search is made from them the first time it is asked for.
JvmSearch& launcherJvmSearch();

}  // namespace vd
