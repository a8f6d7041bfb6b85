#pragma once
// What `vdpack build` is asked to write: the stub, the files to embed and the trailer's kind.
#include <cstdint>
#include <string>
#include <vector>

namespace vd::pack {

struct PackFile {
  int type = 0;
  int32_t fileId = 0;
  std::string path;
  std::string name;
  bool compressed = false;
  uint32_t decompressedCount = 0;
  uint32_t decompressedSize = 0;
};

struct PackPlan {
  std::string stub;
  std::string out;
  uint8_t kind = 0;
  std::vector<PackFile> files;
  uint64_t tailBytes = 0;
};

// A command line vdpack cannot follow; the message says why.
class UsageError {
 public:
  explicit UsageError(std::string message) : message_(std::move(message)) {}
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

// The arguments after "build": an optional manifest first, then options, which override its
// STUB, OUT and KIND and add files after its own; raises UsageError.
PackPlan parseBuildOptions(const std::vector<std::string>& args);

}  // namespace vd::pack
