#pragma once
#include <string>

namespace vd {

enum LogKind { kLogPlain = 0, kLogWarning = 1, kLogError = 2 };

// Appends one record to the log file named in the settings (nothing when none is named).
// The file is opened and closed for every record; a file that cannot be opened drops it.
void writeLog(const std::string& text, int kind = kLogPlain);

// Reads DBGWIN32KRT and, when it names a file, writes "Launcher Started" there.
void initDebugLog();
void writeDebug(const std::string& text, bool lineEnd = true);

}  // namespace vd
