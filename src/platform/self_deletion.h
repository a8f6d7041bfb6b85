#pragma once
// The removal of the launcher's own file and directory after it has exited, for a launcher
// that an outer launcher extracted and started (-vd:orig).
#include <string>

namespace vd {

// Run once at the end of cleanupTempFiles: removes the file at once where the system allows
// it, otherwise through WinInit.Ini on the Windows 9x family or a hidden batch file.
void scheduleSelfDeletion();

// The batch file that removes `file`, then the directory `dir` (none when empty), then
// itself. It tries the file once a second for about a minute. With a non-empty
// `debugLogPath` it reports there.
std::string selfDeletionBatchScript(const std::string& file, const std::string& dir,
                                    const std::string& batchFile, const std::string& debugLogPath);

// `tempName` with the extension of its file name replaced by ".bat".
std::string batchFileNameFor(const std::string& tempName);

}  // namespace vd
