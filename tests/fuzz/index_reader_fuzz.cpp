// The launcher file reader on arbitrary bytes: trailer search, kind, file index and the parse
// of the embedded text files. Every outcome must be a result or a LauncherException.
#include <cstdint>

#include "archive/archive_reader.h"
#include "archive/file_index_reader.h"
#include "archive/tag_file.h"
#include "archive/trailer.h"
#include "fuzz_stream.h"
#include "launcher/exceptions.h"

namespace {

void parseTextEntries(std::FILE* stream, const std::vector<vd::FileIndexEntry>& entries) {
  for (const vd::FileIndexEntry& entry : entries) {
    if (!vd::isEmbeddedTextFile(entry.type)) continue;
    vd::TagFile tags;
    try {
      tags.parse(stream, entry.name, entry.offset, entry.length);
    } catch (const vd::LauncherException&) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vd::fuzz::InputStream stream(data, size);
  if (!stream.get()) return 0;
  try {
    int64_t bytes = vd::streamSize(stream.get());
    int64_t tail = vd::findTrailerTail(stream.get(), bytes);
    if (tail < 0 || tail > bytes - 4) __builtin_trap();
    vd::readLauncherKind(stream.get(), bytes, tail);
    std::vector<vd::FileIndexEntry> entries = vd::readFileIndex(stream.get(), bytes, tail);
    for (const vd::FileIndexEntry& entry : entries)
      if (int64_t{entry.offset} + entry.length > bytes) __builtin_trap();
    parseTextEntries(stream.get(), entries);
  } catch (const vd::LauncherException&) {
  }
  return 0;
}
