#pragma once
#include <string>

namespace vd {

struct InputFileOutcome {
  int result = 0;
  bool instructionsWanted = true;
};

// Input-file mode (-vd:in FILE): loads the input file and the files it names, opens the
// archive and performs its ACTION, printing the results on standard output.
InputFileOutcome runInputFile(const std::string& value);

}  // namespace vd
