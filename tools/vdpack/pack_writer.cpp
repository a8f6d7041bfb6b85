#include "pack_writer.h"

#include <cstdio>
#include <limits>
#include <vector>

#include "archive/archive_format.h"
#include "launcher/exceptions.h"
#include "platform/file_permissions.h"
#include "platform/files.h"

namespace vd::pack {
namespace {

constexpr uint64_t kMaxArchivePosition = std::numeric_limits<uint32_t>::max();

class LauncherWriter {
 public:
  explicit LauncherWriter(const std::string& path) : path_(path) {
    file_ = platform::openFile(path, "wb");
    if (!file_) throw LauncherException("cannot create " + path);
  }

  uint64_t position() const { return written_; }

  void write(const std::string& bytes) { write(bytes.data(), bytes.size()); }
  void write(const char* bytes, size_t count) {
    if (std::fwrite(bytes, 1, count, file_.get()) != count)
      throw LauncherException("cannot write " + path_);
    written_ += count;
  }

  // Appends the whole file and returns its length.
  uint64_t append(const std::string& source) {
    platform::UniqueFile in = platform::openFile(source, "rb");
    if (!in) throw LauncherException("cannot open " + source);
    std::vector<char> buffer(1 << 20);
    uint64_t total = 0;
    while (size_t got = std::fread(buffer.data(), 1, buffer.size(), in.get())) {
      write(buffer.data(), got);
      total += got;
    }
    if (std::ferror(in.get())) throw LauncherException("cannot read " + source);
    return total;
  }

  void close() {
    if (std::fclose(file_.release()) != 0) throw LauncherException("cannot write " + path_);
  }

 private:
  std::string path_;
  platform::UniqueFile file_;
  uint64_t written_ = 0;
};

// Offsets and lengths in the index are 32-bit.
void checkPosition(uint64_t value, const std::string& what) {
  if (value > kMaxArchivePosition)
    throw LauncherException(what + " lies beyond 4 GiB, which the file index cannot describe");
}

FileIndexEntry appendFile(LauncherWriter& writer, const PackFile& file) {
  FileIndexEntry entry;
  entry.type = file.type;
  entry.fileId = file.fileId;
  entry.name = file.name;
  entry.compressed = file.compressed;
  entry.decompressedCount = file.decompressedCount;
  entry.decompressedSize = file.decompressedSize;
  uint64_t offset = writer.position();
  // A file without a path has no bytes: a directory of a JVM installer's package.
  uint64_t length = file.path.empty() ? 0 : writer.append(file.path);
  checkPosition(offset + length, file.path);
  entry.offset = static_cast<uint32_t>(offset);
  entry.length = static_cast<uint32_t>(length);
  return entry;
}

// Written beside the output and renamed over it at the end, so that a failure leaves no half
// launcher behind and the stub may be the output itself.
void writeArchive(const PackPlan& plan, const std::string& partial) {
  LauncherWriter writer(partial);
  writer.append(plan.stub);
  std::vector<FileIndexEntry> entries;
  for (const PackFile& file : plan.files) entries.push_back(appendFile(writer, file));
  uint64_t indexOffset = writer.position();
  checkPosition(indexOffset, "the file index");
  writer.write(encodeFileIndex(entries));
  writer.write(encodeTrailer(plan.kind, static_cast<uint32_t>(indexOffset)));
  writer.write(std::string(plan.tailBytes, '\0'));
  writer.close();
}

}  // namespace

void writeLauncher(const PackPlan& plan) {
  const std::string partial = plan.out + ".vdpack-part";
  try {
    writeArchive(plan, partial);
  } catch (const LauncherException&) {
    std::remove(partial.c_str());
    throw;
  }
  platform::copyFilePermissions(plan.stub, partial);
  std::remove(plan.out.c_str());
  if (std::rename(partial.c_str(), plan.out.c_str()) != 0) {
    std::remove(partial.c_str());
    throw LauncherException("cannot create " + plan.out);
  }
}

}  // namespace vd::pack
