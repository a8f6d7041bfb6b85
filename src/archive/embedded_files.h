#pragma once
#include <cstdio>
#include <string>

#include "archive/launcher_archive.h"

namespace vd {

// Parses the embedded text files out of the open launcher stream (inside the archive open).
void loadEmbeddedTextFiles(LauncherArchive& archive, std::FILE* launcher);
// Loads the files an input file names (INSTRUCTIONS, LAUNCHSCRIPT, VERIFY_*, UI_TITLE, JVM).
void loadNamedFiles(LauncherArchive& archive, const TagFile& inputFile);
// Loads a tag file from a path and keeps it with the archive's loaded files.
const TagFile& loadTagFile(LauncherArchive& archive, const std::string& path);
// Writes one embedded file into `directory` and returns the written file's path.
std::string extractEntry(const FileIndexEntry& entry, const std::string& directory);
// Extract mode: every embedded file and "input.tag" into the current directory.
void extractAll(LauncherArchive& archive);

}  // namespace vd
