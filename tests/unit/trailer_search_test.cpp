#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "archive/trailer.h"

namespace vd {
namespace {

// The launcher executable itself may hold the identification bytes (a constant in its data);
// without an archive appended that match must not count as a trailer.
TEST(TrailerSearch, IdentificationBytesInsideTheExecutableAreNotATrailer) {
  std::vector<unsigned char> bytes(4096, 0);
  const unsigned char id[] = {0xCA, 0x82, 0xCA, 0x82};
  std::copy(id, id + 4, bytes.begin() + 1000);  // preceded by an index offset of 0
  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  EXPECT_EQ(findTrailerTail(f, static_cast<int64_t>(bytes.size())), 0);
  std::fclose(f);
}

// A signature appended after the trailer is a tail of any bytes, maybe longer than one search
// block and maybe holding the identification value itself; the search walks back over it.
TEST(TrailerSearch, WalksBackOverASignatureAfterTheTrailer) {
  struct Case {
    const char* what;
    size_t tailBytes;
    std::vector<unsigned char> strayAt10;  // written 10 bytes into the tail
  };
  const Case cases[] = {
      {"short tail", 9, {}},
      {"tail longer than a search block", 200000, {}},
      {"stray value with an offset past itself", 5000, {0xFF, 0xFF, 0xFF, 0xFF, 0xCA, 0x82, 0xCA, 0x82}},
      {"stray value with offset 0", 5000, {0, 0, 0, 0, 0xCA, 0x82, 0xCA, 0x82}},
  };
  for (const Case& c : cases) {
    // The executable, an empty index at 3000, kind 7, the index offset, the value, the tail.
    const unsigned char trailer[] = {0, 0, 0, 0, 7, 0, 0, 0x0B, 0xB8, 0xCA, 0x82, 0xCA, 0x82};
    const size_t tailStart = 3000 + sizeof trailer;
    std::vector<unsigned char> bytes(tailStart + c.tailBytes, 0x90);
    std::copy(trailer, trailer + sizeof trailer, bytes.begin() + 3000);
    for (size_t i = tailStart; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    std::copy(c.strayAt10.begin(), c.strayAt10.end(), bytes.begin() + tailStart + 10);
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    const int64_t size = static_cast<int64_t>(bytes.size());
    int64_t found = findTrailerTail(f, size);
    EXPECT_EQ(found, static_cast<int64_t>(c.tailBytes)) << c.what;
    EXPECT_EQ(readLauncherKind(f, size, found), 7) << c.what;
    std::fclose(f);
  }
}

}  // namespace
}  // namespace vd
