// Placeholders until the archive reader lands.
#include "archive/embedded_files.h"
#include "instructions/interpreter.h"
#include "launcher/exceptions.h"

namespace vd {
[[noreturn]] static void na(const char* what) {
  throw LauncherException(std::string(what) + " is not available in this build yet.");
}
TagFile::TagFile(const std::string&) { na("Reading tag files"); }
void TagFile::parse(std::FILE*, const std::string&, int64_t, int64_t) { na("Reading tag files"); }
std::string TagFile::get(const std::string&, int) const { return {}; }
bool TagFile::getBoolean(const std::string&, bool d) const { return d; }
LauncherArchive::LauncherArchive() = default;
LauncherArchive::~LauncherArchive() = default;
void LauncherArchive::open(bool) { na("Opening the launcher archive"); }
void loadNamedFiles(LauncherArchive&, const TagFile&) { na("Loading input files"); }
void extractAll(LauncherArchive&) { na("Extract mode"); }
}  // namespace vd
