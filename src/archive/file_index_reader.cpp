#include "archive/file_index_reader.h"

#include <string>

#include "archive/archive_format.h"
#include "archive/archive_reader.h"
#include "launcher/exceptions.h"
#include "platform/files.h"

namespace vd {
namespace {

FileIndexEntry readEntry(ArchiveReader& reader) {
  FileIndexEntry entry;
  uint8_t type = 0;
  if (!reader.tryReadByte(type) || type >= kEmbeddedFileTypeCount)
    throw LauncherException("Invalid file type in file index.");
  entry.type = type;
  entry.fileId = static_cast<int32_t>(reader.readBigEndian32("Unable to load file id."));
  entry.length = reader.readBigEndian32("Unable to load file length.");
  entry.offset = reader.readBigEndian32("Unable to load offset to file bytes.");
  constexpr const char* kNameUnreadable = "Unable to load the string value.";
  auto nameLength = static_cast<int16_t>(reader.readBigEndian16(kNameUnreadable));
  if (nameLength < 0) throw LauncherException(kNameUnreadable);
  entry.name = reader.readBytes(static_cast<size_t>(nameLength), kNameUnreadable);
  entry.compressed =
      reader.readByte("Unable to load the compression flag.") == kCompressedMarker;
  if (entry.compressed) {
    entry.decompressedCount = reader.readBigEndian32("Unable to load decompressed file count.");
    entry.decompressedSize = reader.readBigEndian32("Unable to load decompressed size.");
  }
  return entry;
}

// Extraction and loading read [offset, offset + length): it must be inside the file.
void checkWithinFile(const FileIndexEntry& entry, int64_t streamBytes) {
  if (int64_t{entry.offset} + int64_t{entry.length} <= streamBytes) return;
  throw LauncherException("The embedded file " + entry.name + " (offset " +
                          std::to_string(entry.offset) + ", length " +
                          std::to_string(entry.length) +
                          ") lies beyond the end of the launcher file.");
}

}  // namespace

std::vector<FileIndexEntry> readFileIndex(std::FILE* stream, int64_t streamBytes, int64_t tail) {
  const int64_t kindPosition = streamBytes - tail - kTrailerSize;
  if (kindPosition + 1 < 0 || !platform::seekFile(stream, kindPosition + 1, SEEK_SET))
    throw LauncherException("Invalid launcher format.");
  ArchiveReader trailer(stream);
  uint32_t indexOffset = trailer.readBigEndian32("Unable to read file index offset.");
  if (trailer.readBigEndian32("Unable to read launcher identification value.") !=
      kLauncherIdentification)
    return {};
  // The index lies between its offset and the kind byte; nothing is read beyond that.
  if (int64_t{indexOffset} > kindPosition ||
      !platform::seekFile(stream, indexOffset, SEEK_SET))
    throw LauncherException("Invalid file index offset.");
  ArchiveReader reader(stream, kindPosition);
  auto count = static_cast<int32_t>(reader.readBigEndian32("Unable to read the file count."));
  std::vector<FileIndexEntry> entries;
  // The count is not trusted for an allocation: every entry read takes at least 16 bytes of
  // the index, so a count larger than the index can hold ends in a read failure.
  for (int32_t i = 0; i < count; ++i) {
    entries.push_back(readEntry(reader));
    checkWithinFile(entries.back(), streamBytes);
  }
  return entries;
}

}  // namespace vd

