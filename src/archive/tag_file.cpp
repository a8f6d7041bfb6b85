#include "archive/tag_file.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>

#include "archive/tag_text.h"
#include "launcher/exceptions.h"
#include "launcher/log.h"
#include "platform/files.h"

namespace vd {
namespace {

const std::vector<std::string>& noValues() {
  static const std::vector<std::string> empty;
  return empty;
}

// Reads [start, start + length) of the stream (to its end when length is negative) in
// chunks, so that a region larger than the stream costs only the bytes that are there.
std::string readRegion(std::FILE* stream, int64_t start, int64_t length) {
  if (start < 0 || !platform::seekFile(stream, start, SEEK_SET))
    throw LauncherException("Unable to read tag file.");
  constexpr size_t kChunk = 64 * 1024;
  std::string text;
  char buffer[kChunk];
  while (length < 0 || static_cast<int64_t>(text.size()) < length) {
    size_t wanted = kChunk;
    if (length >= 0) wanted = std::min<int64_t>(wanted, length - static_cast<int64_t>(text.size()));
    size_t got = std::fread(buffer, 1, wanted, stream);
    text.append(buffer, got);
    if (got < wanted) break;
  }
  return text;
}

// The C format "%hd": leading white space, an optional sign and digits, the rest ignored; the
// number is read as a long and then narrowed to 16 bits, as the C library does.
std::optional<int16_t> readShortNumber(const std::string& text) {
  const char* start = text.c_str();
  while (std::isspace(static_cast<unsigned char>(*start))) ++start;
  const char* digits = start + (*start == '+' || *start == '-');
  if (!std::isdigit(static_cast<unsigned char>(*digits))) return std::nullopt;
  long value = std::strtol(start, nullptr, 10);
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<unsigned long>(value)));
}

}  // namespace

TagFile::TagFile(const std::string& path) {
  platform::UniqueFile file = platform::openFile(path, "r");
  if (!file) throw LauncherException("Unable to load input file: " + path);
  parse(file.get(), path, 0, -1);
}

void TagFile::parse(std::FILE* stream, const std::string& sourceName, int64_t start,
                    int64_t length) {
  sourceName_ = sourceName;
  lineCounter_ = 0;
  TagTextParser parser(*this, readRegion(stream, start, length));
  parser.run();
  loaded_ = true;
}

void TagFile::syntaxError(int line, const std::string& detail) const {
  std::string message =
      "Syntax error in " + sourceName_ + " at line " + std::to_string(line) + " ==> " + detail;
  writeLog(message, kLogError);
  throw TagSyntaxError(message, line, detail);
}

TagFile::Entry* TagFile::find(const std::string& name) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const Entry& entry) { return entry.first == name; });
  return it == entries_.end() ? nullptr : &*it;
}

const TagFile::Entry* TagFile::find(const std::string& name) const {
  return const_cast<TagFile*>(this)->find(name);
}

void TagFile::remove(const std::string& name) {
  std::erase_if(entries_, [&](const Entry& entry) { return entry.first == name; });
  valueLines_.erase(name);
}

const std::vector<std::string>& TagFile::values(const std::string& name) const {
  const Entry* entry = find(name);
  return entry ? entry->second : noValues();
}

std::string TagFile::get(const std::string& name, int index) const {
  const std::vector<std::string>& list = values(name);
  if (index < 0 || index >= static_cast<int>(list.size())) return std::string();
  return list[static_cast<size_t>(index)];
}

int TagFile::count(const std::string& name) const { return static_cast<int>(values(name).size()); }

int TagFile::valueLine(const std::string& name, int index) const {
  auto it = valueLines_.find(name);
  if (it == valueLines_.end() || index < 0 || index >= static_cast<int>(it->second.size()))
    return 0;
  return it->second[static_cast<size_t>(index)];
}

void TagFile::set(const std::string& name, const std::string& value) {
  valueLines_.erase(name);
  if (Entry* entry = find(name)) {
    entry->second = {value};
    return;
  }
  entries_.emplace_back(name, std::vector<std::string>{value});
}

void TagFile::add(const std::string& name, const std::string& value) {
  if (Entry* entry = find(name)) {
    entry->second.push_back(value);
    return;
  }
  entries_.emplace_back(name, std::vector<std::string>{value});
}

bool TagFile::getBoolean(const std::string& name, bool defaultValue) const {
  std::optional<int16_t> number = readShortNumber(get(name));
  return number ? *number != 0 : defaultValue;
}

void TagFile::setBoolean(const std::string& name, bool value) { set(name, value ? "1" : "0"); }

void TagFile::setJvmLocation(const std::string& home, const std::string& file, bool temporary) {
  set("JVM_HOME", home);
  set("JVM_FILE", file);
  setBoolean("JVM_TEMP", temporary);
}

void TagFile::write(const std::string& path) const {
  platform::UniqueFile file = platform::openFile(path, "w");
  if (!file) return;
  std::string text = formatTagText(entries_);
  std::fwrite(text.data(), 1, text.size(), file.get());
}

}  // namespace vd
