#include "manifest.h"

#include <functional>
#include <map>
#include <vector>

#include "archive/tag_file.h"
#include "launcher/exceptions.h"
#include "pack_fields.h"
#include "pack_paths.h"
#include "platform/file_operations.h"
#include "platform/files.h"
#include "stub_locator.h"

namespace vd::pack {
namespace {

constexpr const char* kFileForm = "TYPE ID PATH [NAME] [compressed=COUNT:SIZE]";
const std::string kCompressedPrefix = "compressed=";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The words of a FILES line, split at blanks; a word may be quoted as in the instruction
// language ("a ""b"" c"), so that a path may hold blanks.
std::vector<std::string> splitWords(const std::string& line) {
  std::vector<std::string> words;
  int position = 0;
  const int size = static_cast<int>(line.size());
  while (position >= 0 && position < size) {
    if (isBlank(line[static_cast<size_t>(position)])) {
      ++position;
      continue;
    }
    bool quoted = line[static_cast<size_t>(position)] == '"';
    if (quoted) ++position;
    words.push_back(readQuotedArgument(line, position, quoted));
  }
  return words;
}

class ManifestReader {
 public:
  explicit ManifestReader(const std::string& path) : path_(path), directory_(directoryOf(path)) {}

  PackPlan read() {
    TagFile tags;
    load(tags);
    for (const TagFile::Entry& entry : tags.entries()) readTag(tags, entry);
    return plan_;
  }

 private:
  [[noreturn]] void fail(int line, const std::string& detail) const {
    std::string where = line > 0 ? path_ + ":" + std::to_string(line) : path_;
    throw UsageError(where + ": " + detail);
  }

  // Runs `work`; whatever it raises is reported at `line`.
  void atLine(int line, const std::function<void()>& work) const {
    try {
      work();
    } catch (const UsageError& e) {
      fail(line, e.message());
    } catch (const LauncherException& e) {
      fail(line, e.message());
    }
  }

  void load(TagFile& tags) const {
    platform::UniqueFile file = platform::openFile(path_, "r");
    if (!file) fail(0, "cannot open the manifest");
    try {
      tags.parse(file.get(), path_, 0, -1);
    } catch (const TagSyntaxError& e) {
      fail(e.line(), e.detail());
    } catch (const LauncherException& e) {
      fail(tags.lineCounter(), e.message());
    }
  }

  void readTag(const TagFile& tags, const TagFile::Entry& entry) {
    const std::string& name = entry.first;
    const int line = tags.valueLine(name);
    if (name == "FILES") {
      for (size_t i = 0; i < entry.second.size(); ++i)
        readFileLine(entry.second[i], tags.valueLine(name, static_cast<int>(i)));
      return;
    }
    if (name != "STUB" && name != "KIND" && name != "OUT")
      fail(line, "unknown tag " + name + " (a manifest has STUB, KIND, OUT and FILES)");
    if (entry.second.size() > 1) fail(tags.valueLine(name, 1), name + " takes one value");
    const std::string& value = entry.second.front();
    atLine(line, [&] {
      if (name == "STUB") plan_.stub = requireFile(resolveStub(value, directory_), "the stub");
      if (name == "OUT") plan_.out = relativeTo(directory_, value);
      if (name == "KIND") plan_.kind = parseKind(value, "KIND");
    });
  }

  static std::string requireFile(const std::string& path, const std::string& what) {
    if (platform::isDirectory(path)) throw UsageError(what + " " + path + " is a directory");
    if (!platform::openFile(path, "rb")) throw UsageError("cannot open " + what + " " + path);
    return path;
  }

  void readFileLine(const std::string& value, int line) {
    PackFile file;
    atLine(line, [&] { file = parseFileWords(splitWords(value)); });
    noteUnique(idLines_, file.fileId, line, "the file id " + std::to_string(file.fileId));
    noteUnique(nameLines_, file.name, line, "the entry name " + file.name);
    plan_.files.push_back(file);
  }

  PackFile parseFileWords(const std::vector<std::string>& words) const {
    if (words.size() < 3) throw UsageError("a file line wants " + std::string(kFileForm));
    PackFile file;
    file.type = parseFileType(words[0]);
    file.fileId = parseFileId(words[1]);
    file.path = requireFile(relativeTo(directory_, words[2]), "the file");
    file.name = baseName(words[2]);
    size_t next = 3;
    if (next < words.size() && words[next].rfind(kCompressedPrefix, 0) != 0)
      file.name = words[next++];
    if (next < words.size() && words[next].rfind(kCompressedPrefix, 0) == 0)
      parseCompressedSize(words[next++].substr(kCompressedPrefix.size()), file);
    if (next < words.size())
      throw UsageError("unexpected \"" + words[next] + "\" (a file line is " + kFileForm + ")");
    std::string problem = entryNameProblem(file.name);
    if (!problem.empty()) throw UsageError("the entry name \"" + file.name + "\" " + problem);
    return file;
  }

  template <typename Key>
  void noteUnique(std::map<Key, int>& seen, const Key& key, int line, const std::string& what) {
    auto [it, added] = seen.emplace(key, line);
    if (!added) fail(line, what + " is used again (first on line " + std::to_string(it->second) + ")");
  }

  std::string path_;
  std::string directory_;
  PackPlan plan_;
  std::map<int32_t, int> idLines_;
  std::map<std::string, int> nameLines_;
};

}  // namespace

PackPlan readManifest(const std::string& path) { return ManifestReader(path).read(); }

}  // namespace vd::pack
