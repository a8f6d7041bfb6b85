#pragma once
// Small text files next to the launcher that add class path items, system properties and
// Java arguments.
#include <optional>
#include <string>
#include <vector>

namespace vd {

// `launcherPath` with its extension replaced by `suffix`. The extension is removed only when a
// separator comes before its dot ("C:\my.dir\setup" keeps its name whole).
std::string sideFilePath(const std::string& launcherPath, const std::string& suffix);
// The side file of the launcher the user started.
std::string sideFilePath(const std::string& suffix);

// Every line of a text file, trimmed of blanks; nothing when the file cannot be opened. A
// file larger than any command line could hold is a launch script error.
std::optional<std::vector<std::string>> readTrimmedLines(const std::string& path);

}  // namespace vd
