#pragma once
// The launcher's temporary directory and everything it creates below it. Created paths are
// registered and removed at exit, newest first, directories before files.
#include <string>

namespace vd {

// -vd:tempdir: the directory below which the launcher creates its temporary files.
void setTempDirectory(const std::string& directory);
// The temporary directory (the system's when none was set); throws LauncherException with
// resource 36 when it is not an existing directory.
std::string tempDirectory();

// A new, empty directory with a unique "LRE" name below the temporary directory, registered
// for removal. Returned without a trailing separator.
std::string createTempDirectory();
// A new, empty file with a unique "LRE" name below the temporary directory, registered for
// removal. Both throw "GetTempFileName failed  ==>  " + the system's text when no name can be had.
std::string createTempFileName();

// Take a path off its list (compared ignoring case), so that it outlives the run.
void forgetTempFile(const std::string& path);
void forgetTempDirectory(const std::string& path);

// Removes every registered directory and file and, when -vd:orig was given, schedules the
// removal of the launcher's own file. Safe to call from two threads.
void cleanupTempFiles();

// Runs cleanupTempFiles when it goes out of scope, swallowing any failure.
class TempFilesCleanup {
 public:
  TempFilesCleanup() = default;
  ~TempFilesCleanup();
  TempFilesCleanup(const TempFilesCleanup&) = delete;
  TempFilesCleanup& operator=(const TempFilesCleanup&) = delete;
};

}  // namespace vd
