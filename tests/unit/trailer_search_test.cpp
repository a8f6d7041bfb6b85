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

}  // namespace
}  // namespace vd
