#pragma once
#include <string>
#include <vector>

namespace vd {

// Visits every file below a start directory without recursion: directories wait on an
// explicit stack, so the last listed subdirectory of a directory is visited first.
class DirectoryWalker {
 public:
  // A cancellable walk also stops when the user has asked to cancel.
  explicit DirectoryWalker(bool cancellable) : cancellable_(cancellable) {}
  virtual ~DirectoryWalker() = default;

  // Returns true when onFile asked to stop. An error while reading a listed directory throws
  // LauncherException with the system's text; a directory that cannot be listed is skipped.
  virtual bool walk(const std::string& startDir);
  // The full path of every file found; true stops the walk.
  virtual bool onFile(const std::string& path) = 0;
  // Every directory taken from the stack, with a trailing separator; true skips its entries.
  virtual bool skipDirectory(const std::string& dir);

  // Every directory taken from the stack during the last walk, in that order, as pushed.
  const std::vector<std::string>& visited() const { return visited_; }
  // The directories the last walk left unvisited.
  const std::vector<std::string>& stack() const { return stack_; }

 private:
  bool cancelled() const;
  // Lists one directory; true when onFile asked to stop.
  bool listDirectory(const std::string& dir, int& files);

  bool cancellable_;
  std::vector<std::string> stack_;
  std::vector<std::string> visited_;
};

}  // namespace vd
