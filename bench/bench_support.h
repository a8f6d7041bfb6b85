#pragma once
// Shared by the archive benchmarks: launcher files written straight to disk, and timing.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/archive_format.h"

namespace vd::bench {

struct BenchFile {
  int type = 0;
  std::string name;
  std::string bytes;  // used when `size` is 0
  uint64_t size = 0;  // a large file of pseudo-random bytes
};

inline void writeOrThrow(std::FILE* out, const void* data, size_t size) {
  if (std::fwrite(data, 1, size, out) != size) throw std::runtime_error("write failed");
}

// Pseudo-random bytes, so that no file system can store them as holes or compress them.
inline void writeNoise(std::FILE* out, uint64_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint32_t> block(1 << 18);
  while (size > 0) {
    for (uint32_t& word : block) word = random();
    size_t bytes = static_cast<size_t>(std::min<uint64_t>(size, block.size() * 4));
    writeOrThrow(out, block.data(), bytes);
    size -= bytes;
  }
}

// A launcher: a stub of `stubBytes`, the files, the file index and the trailer.
inline void writeLauncher(const std::string& path, uint64_t stubBytes,
                          const std::vector<BenchFile>& files) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) throw std::runtime_error("cannot create " + path);
  writeNoise(out, stubBytes, 1);
  uint64_t position = stubBytes;
  std::vector<FileIndexEntry> entries;
  for (const BenchFile& file : files) {
    FileIndexEntry entry;
    entry.type = file.type;
    entry.fileId = static_cast<int32_t>(entries.size());
    entry.name = file.name;
    entry.offset = static_cast<uint32_t>(position);
    if (file.size > 0) {
      writeNoise(out, file.size, static_cast<uint32_t>(position));
      entry.length = static_cast<uint32_t>(file.size);
    } else {
      writeOrThrow(out, file.bytes.data(), file.bytes.size());
      entry.length = static_cast<uint32_t>(file.bytes.size());
    }
    position += entry.length;
    entries.push_back(std::move(entry));
  }
  std::string index = encodeFileIndex(entries) + encodeTrailer(0, static_cast<uint32_t>(position));
  writeOrThrow(out, index.data(), index.size());
  if (std::fclose(out) != 0) throw std::runtime_error("cannot write " + path);
}

// Seconds taken by each of `runs` calls of `work`.
inline std::vector<double> timeRuns(int runs, const std::function<void()>& work) {
  std::vector<double> seconds;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    work();
    seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return seconds;
}

inline double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The directory the benchmark works in: the first argument, else the system's temporary one.
inline std::filesystem::path workDirectory(int argc, char** argv, const char* name) {
  std::filesystem::path base =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  std::filesystem::path dir = base / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace vd::bench
