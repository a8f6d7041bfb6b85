#include "archive/tag_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "scratch_directory.h"

namespace vd {
namespace {

using Entries = std::vector<TagFile::Entry>;

// A stream holding `text`, as a file on disk would.
struct TextStream {
  explicit TextStream(const std::string& text) : file(std::tmpfile()) {
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
  }
  ~TextStream() { std::fclose(file); }
  std::FILE* file;
};

// The parsed entries, or the message of the failure prefixed with "error: ".
struct ParseResult {
  Entries entries;
  std::string error = {};
  bool operator==(const ParseResult&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ParseResult& result) {
  if (!result.error.empty()) return out << "error: " << result.error;
  for (const auto& [name, values] : result.entries) {
    out << "[" << name << "]";
    for (const std::string& value : values) out << " <" << value << ">";
    out << "; ";
  }
  return out;
}

ParseResult parseText(const std::string& text, int64_t start = 0, int64_t length = -1) {
  TextStream stream(text);
  TagFile tags;
  try {
    tags.parse(stream.file, "test.txt", start, length);
  } catch (const LauncherException& e) {
    return {{}, e.message()};
  }
  EXPECT_TRUE(tags.loaded());
  return {tags.entries(), ""};
}

ParseResult fails(const std::string& message) { return {{}, message}; }

struct ParseCase {
  const char* what;
  std::string text;
  ParseResult expected;
};

class TagFileTest : public ::testing::Test {
 protected:
  void SetUp() override { resetProcessState(); }
  void TearDown() override { resetProcessState(); }
};

TEST_F(TagFileTest, ParsesTheTextFormat) {
  const std::string kSyntax = "Syntax error in test.txt at line ";
  const ParseCase cases[] = {
      {"plain value", "KEY:value", {{{"KEY", {"value"}}}}},
      {"colon inside the value", "KEY: a:b", {{{"KEY", {"a:b"}}}}},
      {"name with inner spaces", "NAME WITH SPACE : x", {{{"NAME WITH SPACE", {"x"}}}}},
      {"blanks round the value", "KEY:   value  ", {{{"KEY", {"value"}}}}},
      {"quoted value with doubled quotes",
       "KEY: \"a \"\"b\"\" c\" tail",
       {{{"KEY", {"a \"b\" c"}}}}},
      {"quoted value keeps its blanks", "KEY: \"  x  \"", {{{"KEY", {"  x  "}}}}},
      {"missing closing quote", "KEY: \"abc",
       fails("Expected double quote to end argument near 6")},
      {"file ends inside a block", "\nB: 1\nA:\n  x\n",
       fails(kSyntax + "3 ==> Missing /: tag completer.")},
      {"comment-like line without colon", "A: 1\n# a comment",
       fails(kSyntax + "2 ==> Missing colon at the end of the tag name.")},
      {"redefinition replaces and moves", "A: 1\nB: 2\nA: 3",
       {{{"B", {"2"}}, {"A", {"3"}}}}},
      {"instruction script",
       "DESC: Vandrel Native Installer\nINSTRUCTIONS:\nINITIALIZE_UI\nINSTALL_JVM 1\n"
       ":DO_INSTALL_DONE\n/:\n",
       {{{"DESC", {"Vandrel Native Installer"}},
         {"INSTRUCTIONS", {"INITIALIZE_UI", "INSTALL_JVM 1", ":DO_INSTALL_DONE"}}}}},
      {"CR LF line ends",
       "DESC: Vandrel Native Installer\r\nINSTRUCTIONS:\r\nINITIALIZE_UI\r\nINSTALL_JVM 1\r\n"
       ":DO_INSTALL_DONE\r\n/:\r\n",
       {{{"DESC", {"Vandrel Native Installer"}},
         {"INSTRUCTIONS", {"INITIALIZE_UI", "INSTALL_JVM 1", ":DO_INSTALL_DONE"}}}}},
      {"carriage returns anywhere", "K\rEY: va\rlue\r", {{{"KEY", {"value"}}}}},
      {"block lines: quoted, empty, quoted end",
       "A:\n  \"  spaced  \"\n\n  \"\"\n  plain value\n  \"/:\"\nB: 2",
       {{{"A", {"  spaced  ", "plain value"}}, {"B", {"2"}}}}},
      {"empty block removes the tag", "A: 1\nB: 2\nA:\n/:", {{{"B", {"2"}}}}},
      {"unclosed quote in a block", "A:\n\"abc\n/:",
       fails("Expected double quote to end argument near 1")},
      {"empty lines and blank lines", "\n   \n\t\nA: 1\n\n", {{{"A", {"1"}}}}},
      {"line counter counts block lines", "A:\n x\n/:\nbad line",
       fails(kSyntax + "4 ==> Missing colon at the end of the tag name.")},
      {"empty text", "", {}},
  };
  for (const ParseCase& c : cases) EXPECT_EQ(parseText(c.text), c.expected) << c.what;
}

TEST_F(TagFileTest, ParsesARegionOfTheStream) {
  const std::string text = "XXXXA: 1\nB:\n y\n/:ZZZZ";
  EXPECT_EQ(parseText(text, 4, 13), (ParseResult{{{"A", {"1"}}, {"B", {"y"}}}}));
  // The last line of the region has no line feed; the block is still open at its end.
  EXPECT_EQ(parseText(text, 4, 10),
            fails("Syntax error in test.txt at line 2 ==> Missing /: tag completer."));
  EXPECT_EQ(parseText(text, 4, 5), (ParseResult{{{"A", {"1"}}}}));
  // A region that runs past the end of the stream stops at the end.
  EXPECT_EQ(parseText("A: 1", 0, 1000), (ParseResult{{{"A", {"1"}}}}));
  EXPECT_EQ(parseText(text, -1, 4), fails("Unable to read tag file."));
}

TEST_F(TagFileTest, SyntaxErrorsAreLoggedAsErrors) {
  testing::ScratchDirectory scratch;
  processState().settings.logFile = scratch.file("log.txt");
  parseText("no colon here");
  parseText("A: \"open");
  EXPECT_EQ(testing::ScratchDirectory::read(scratch.file("log.txt")),
            "------------------\n"
            "ERROR: Syntax error in test.txt at line 1 ==> Missing colon at the end of the tag "
            "name.\n");
}

TEST_F(TagFileTest, LoadsAFileByPath) {
  testing::ScratchDirectory scratch;
  std::string path = scratch.file("input.tag");
  testing::ScratchDirectory::write(path, "ACTION: SEARCH\nJVM:\n  a.jvm\n  b.jvm\n/:\n");
  TagFile tags(path);
  EXPECT_EQ(tags.sourceName(), path);
  EXPECT_EQ(tags.lineCounter(), 5);
  EXPECT_EQ(tags.get("ACTION"), "SEARCH");
  EXPECT_EQ(tags.count("JVM"), 2);
  EXPECT_EQ(tags.get("JVM", 1), "b.jvm");
  EXPECT_EQ(tags.get("JVM", 2), "");
  EXPECT_EQ(tags.get("JVM", -1), "");
  EXPECT_EQ(tags.get("MISSING"), "");
  EXPECT_EQ(tags.count("MISSING"), 0);
  EXPECT_TRUE(tags.values("MISSING").empty());

  std::string missing = scratch.file("missing.tag");
  try {
    TagFile absent(missing);
    FAIL() << "no exception";
  } catch (const LauncherException& e) {
    EXPECT_EQ(e.message(), "Unable to load input file: " + missing);
  }
}

TEST_F(TagFileTest, SetAndAddKeepPositions) {
  TagFile tags;
  tags.set("A", "1");
  tags.add("B", "x");
  tags.add("B", "y");
  tags.set("A", "2");
  tags.setJvmLocation("/opt/jdk", "/tmp/jvm", true);
  tags.setJvmLocation("/opt/jdk2", "/tmp/jvm2", false);
  EXPECT_EQ(tags.entries(), (Entries{{"A", {"2"}},
                                      {"B", {"x", "y"}},
                                      {"JVM_HOME", {"/opt/jdk2"}},
                                      {"JVM_FILE", {"/tmp/jvm2"}},
                                      {"JVM_TEMP", {"0"}}}));
}

TEST_F(TagFileTest, ReadsBooleansAsShortNumbers) {
  struct Case {
    const char* value;
    bool withDefaultFalse;
    bool withDefaultTrue;
  };
  const Case cases[] = {
      {"12abc", true, true}, {"abc", false, true}, {"0", false, false}, {"", false, true},
      {" -3", true, true},   {"+0", false, false}, {"-", false, true},  {"65536", false, false},
      {"65537", true, true},
  };
  for (const Case& c : cases) {
    TagFile tags;
    tags.set("FLAG", c.value);
    EXPECT_EQ(tags.getBoolean("FLAG", false), c.withDefaultFalse) << c.value;
    EXPECT_EQ(tags.getBoolean("FLAG", true), c.withDefaultTrue) << c.value;
  }
  TagFile tags;
  EXPECT_TRUE(tags.getBoolean("MISSING", true));
  tags.setBoolean("FLAG", true);
  EXPECT_EQ(tags.get("FLAG"), "1");
  tags.setBoolean("FLAG", false);
  EXPECT_EQ(tags.get("FLAG"), "0");
}

TEST_F(TagFileTest, WritesWhatReadsBack) {
  struct Case {
    Entries entries;
    std::string text;
  };
  const Case cases[] = {
      {{{"A", {"x"}}}, "A:  x\n"},
      {{{"A", {"x", "y"}}}, "A:\n  x\n  y\n/:\n"},
      {{{"A", {""}}}, "A:  \"\"\n"},
      {{{"A", {" lead"}}, {"B", {"trail\t"}}}, "A:  \" lead\"\nB:  \"trail\t\"\n"},
      {{{"A", {"say \"hi\""}}}, "A:  \"say \"\"hi\"\"\"\n"},
      {{{"A", {"in ner", "x:y"}}, {"B", {"1"}}}, "A:\n  in ner\n  x:y\n/:\nB:  1\n"},
  };
  testing::ScratchDirectory scratch;
  std::string path = scratch.file("out.tag");
  for (const Case& c : cases) {
    TagFile tags;
    for (const auto& [name, values] : c.entries)
      for (const std::string& value : values) tags.add(name, value);
    tags.write(path);
    EXPECT_EQ(testing::ScratchDirectory::read(path), c.text);
    EXPECT_EQ(TagFile(path).entries(), c.entries);
  }
  // A path that cannot be opened writes nothing and raises nothing.
  TagFile tags;
  tags.set("A", "1");
  tags.write(scratch.file("no/such/dir/out.tag"));
}

TEST_F(TagFileTest, ReadsQuotedArguments) {
  struct Case {
    std::string text;
    int position;
    bool quoted;
    std::string argument;
    int positionAfter;
  };
  const Case cases[] = {
      {"\"abc\" rest", 1, true, "abc", 5},
      {"\"abc\"", 1, true, "abc", -1},
      {"\"a\"\"b\" x", 1, true, "a\"b", 6},
      {"\"\"\"\"\"\"", 1, true, "\"\"", -1},
      {"\"\"", 1, true, "", -1},
      {"one two", 0, false, "one", 3},
      {"one\ttwo", 4, false, "two", -1},
      {"x ", 1, false, "", 1},
      {"abc", 3, false, "", -1},
  };
  for (const Case& c : cases) {
    int position = c.position;
    EXPECT_EQ(readQuotedArgument(c.text, position, c.quoted), c.argument) << c.text;
    EXPECT_EQ(position, c.positionAfter) << c.text;
  }
  struct Failure {
    std::string text;
    int position;
    std::string message;
  };
  const Failure failures[] = {
      {"\"abc", 1, "Expected double quote to end argument near 1"},
      {"\"ab\"\"", 1, "Expected double quote to end argument near -1"},
      {"\"ab\"\"cd", 1, "Expected double quote to end argument near 5"},
      {"abc", 7, "Expected double quote to end argument near 7"},
  };
  for (const Failure& f : failures) {
    int position = f.position;
    try {
      readQuotedArgument(f.text, position, true);
      ADD_FAILURE() << "no exception for " << f.text;
    } catch (const LauncherException& e) {
      EXPECT_EQ(e.message(), f.message) << f.text;
    }
  }
}

}  // namespace
}  // namespace vd
