#pragma once
#include <string>

namespace vd {

// Where the drive scan reports each file whose name looks like a Java executable.
class CandidateFileSink {
 public:
  virtual ~CandidateFileSink() = default;
  // True when the file gave a verified match and the scan must stop.
  virtual bool onCandidateFile(const std::string& path) = 0;
};

}  // namespace vd
