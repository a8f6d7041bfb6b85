#include "launch/captured_stream.h"

#include <algorithm>

#include "launcher/log.h"

namespace vd {

CapturedStream::CapturedStream(std::string* sink, std::string name, size_t headLimit,
                               size_t tailLimit)
    : sink_(sink), name_(std::move(name)), headLimit_(headLimit), tailLimit_(tailLimit) {}

void CapturedStream::append(std::string_view text) {
  if (!sink_) return;
  size_t toHead = std::min(text.size(), headLimit_ - headWritten_);
  sink_->append(text.substr(0, toHead));
  headWritten_ += toHead;
  if (toHead < text.size()) keepTail(text.substr(toHead));
}

void CapturedStream::keepTail(std::string_view text) {
  tail_.append(text);
  // Trim only once the buffer is twice the limit, so that each byte is moved a bounded
  // number of times.
  if (tail_.size() > 2 * tailLimit_ || tailLimit_ == 0) {
    size_t excess = tail_.size() - tailLimit_;
    dropped_ += excess;
    tail_.erase(0, excess);
  }
}

void CapturedStream::finish() {
  if (tail_.size() > tailLimit_) {
    dropped_ += tail_.size() - tailLimit_;
    tail_.erase(0, tail_.size() - tailLimit_);
  }
  if (dropped_ != 0) {
    sink_->append(droppedOutputMarker(dropped_));
    writeLog("The " + name_ + " of the child process was longer than " +
                 std::to_string(headLimit_ + tailLimit_) + " bytes; " + std::to_string(dropped_) +
                 " bytes from its middle were not kept",
             kLogWarning);
  }
  if (sink_) sink_->append(tail_);
  tail_ = std::string();
}

std::string droppedOutputMarker(size_t count) {
  return "\n[... " + std::to_string(count) + " bytes of output left out ...]\n";
}

}  // namespace vd
