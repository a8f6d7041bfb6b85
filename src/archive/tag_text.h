#pragma once
// The text side of tag files: the line parser and the writer's formatting.
#include <string>
#include <vector>

#include "archive/tag_file.h"

namespace vd {

// Parses tag file text into a TagFile, counting lines from 1 for its syntax errors.
class TagTextParser {
 public:
  TagTextParser(TagFile& tags, std::string text) : tags_(tags), text_(std::move(text)) {}
  void run();

 private:
  bool atEnd() const { return position_ >= text_.size(); }
  // The next line without carriage returns and trimmed of blanks; counts it.
  std::string nextLine();
  void parseTagLine(const std::string& line);
  void parseBlock(const std::string& name);

  TagFile& tags_;
  std::string text_;
  size_t position_ = 0;
};

// The text the writer puts in a file: single values on the tag's line, several values in a
// block ended by "/:", values that would not read back unquoted in double quotes.
std::string formatTagText(const std::vector<TagFile::Entry>& entries);

}  // namespace vd
