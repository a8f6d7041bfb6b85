#pragma once
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "launcher/exceptions.h"

namespace vd {

// A syntax error of a tag file: a LauncherException with the finished message, which also
// keeps the line and the detail for readers that report them in a form of their own.
class TagSyntaxError : public LauncherException {
 public:
  TagSyntaxError(std::string message, int line, std::string detail)
      : LauncherException(std::move(message)), line_(line), detail_(std::move(detail)) {}
  int line() const { return line_; }
  const std::string& detail() const { return detail_; }

 private:
  int line_;
  std::string detail_;
};

// The parsed form of every text file of the launcher: an ordered map from tag name to values.
// A missing tag or value reads as the empty string.
class TagFile {
 public:
  TagFile() = default;
  // Parses the whole file; raises "Unable to load input file: <path>" when it cannot be opened.
  explicit TagFile(const std::string& path);
  virtual ~TagFile() = default;

  // Parses [start, start + length) of an open stream; a negative length means to its end.
  void parse(std::FILE* stream, const std::string& sourceName, int64_t start, int64_t length);

  std::string get(const std::string& name, int index = 0) const;
  int count(const std::string& name) const;
  // All values of a tag (empty when it is missing).
  const std::vector<std::string>& values(const std::string& name) const;
  void set(const std::string& name, const std::string& value);
  void add(const std::string& name, const std::string& value);
  // The line (from 1) a parse read the index-th value of the tag from; 0 when the value did
  // not come from a parse or was changed since.
  int valueLine(const std::string& name, int index = 0) const;
  bool getBoolean(const std::string& name, bool defaultValue) const;
  void setBoolean(const std::string& name, bool value);
  void setJvmLocation(const std::string& home, const std::string& file, bool temporary);
  // Writes the file; a path that cannot be opened writes nothing and raises nothing.
  void write(const std::string& path) const;

  bool loaded() const { return loaded_; }
  int lineCounter() const { return lineCounter_; }
  const std::string& sourceName() const { return sourceName_; }
  using Entry = std::pair<std::string, std::vector<std::string>>;
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  friend class TagTextParser;
  Entry* find(const std::string& name);
  const Entry* find(const std::string& name) const;
  void remove(const std::string& name);
  // Records the line of the value the parser has just set or added.
  void noteValueLine(const std::string& name, int line) { valueLines_[name].push_back(line); }
  // Logs "Syntax error in <source> at line <n> ==> <detail>" as an error and raises it as a
  // TagSyntaxError.
  [[noreturn]] void syntaxError(int line, const std::string& detail) const;

  std::vector<Entry> entries_;
  // Per tag, the line of each value as the parser read it.
  std::map<std::string, std::vector<int>> valueLines_;
  bool loaded_ = false;
  int lineCounter_ = 0;
  std::string sourceName_;
};

// The shared quoted-argument reader. In quoted mode `position` points just after the opening
// double quote; two double quotes stand for one. On return `position` is just after the
// argument, or -1 at the end of the text. Raises "Expected double quote to end argument near N".
std::string readQuotedArgument(const std::string& text, int& position, bool quoted);

}  // namespace vd
