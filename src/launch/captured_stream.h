#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vd {

// One captured output stream of a child, appended to the caller's sink (or discarded when
// there is none). A child may write without end, so one run keeps at most `headLimit` bytes
// from the beginning and `tailLimit` bytes from the end; the middle is dropped and a marker
// stands in its place. The pipe goes on being drained either way.
class CapturedStream {
 public:
  static constexpr size_t kDefaultHeadLimit = 2 * 1024 * 1024;
  static constexpr size_t kDefaultTailLimit = 2 * 1024 * 1024;

  CapturedStream(std::string* sink, std::string name, size_t headLimit = kDefaultHeadLimit,
                 size_t tailLimit = kDefaultTailLimit);

  void append(std::string_view text);
  // Appends the kept end behind the marker and logs a warning when text was dropped.
  void finish();

  size_t droppedBytes() const { return dropped_; }

 private:
  void keepTail(std::string_view text);

  std::string* sink_;
  std::string name_;
  size_t headLimit_;
  size_t tailLimit_;
  size_t headWritten_ = 0;
  size_t dropped_ = 0;
  std::string tail_;
};

// The text that stands for `count` dropped bytes.
std::string droppedOutputMarker(size_t count);

}  // namespace vd
