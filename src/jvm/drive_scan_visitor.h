#pragma once
#include <string>
#include <vector>

#include "jvm/candidate_file_sink.h"
#include "platform/directory_walker.h"

namespace vd {

// The walk of one drive for files named like a Java executable. It stays out of the
// launcher's temporary directory, the recycle bins and the system's pseudo file systems.
class DriveScanVisitor : public DirectoryWalker {
 public:
  // `exeNames` and `sink` are borrowed for the visitor's life; `tempDir` gets a trailing
  // separator.
  DriveScanVisitor(const std::vector<std::string>& exeNames, CandidateFileSink& sink,
                   const std::string& tempDir);

  // A file whose path ends with one of the names (ignoring case, at a separator) goes to the
  // sink; true once the sink asks to stop.
  bool onFile(const std::string& path) override;
  bool skipDirectory(const std::string& dir) override;

 private:
  bool isRecycleBin(const std::string& dir) const;

  const std::vector<std::string>& exeNames_;
  CandidateFileSink& sink_;
  std::string tempDir_;
};

// Whether `path` ends with `name` ignoring case, the name starting the path or following a
// path separator.
bool endsWithPathName(const std::string& path, const std::string& name);

}  // namespace vd
