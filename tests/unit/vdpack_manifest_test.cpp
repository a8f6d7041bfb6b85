// vdpack's build description: what a manifest turns into, and every error it can name by line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "manifest.h"
#include "pack_plan.h"
#include "platform/environment.h"
#include "scratch_directory.h"

namespace vd::pack {
namespace {

using testing::ScratchDirectory;

// A scratch project: app.tag beside a stub, two payload files and a directory; stub names
// resolve in its stubs/ directory, which holds only the win64 launcher.
class ManifestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"stub", "a.txt", "b.txt", "with space.txt"})
      ScratchDirectory::write(scratch_.file(name), name);
    std::filesystem::create_directories(scratch_.path() / "sub");
    std::filesystem::create_directories(scratch_.path() / "stubs");
    ScratchDirectory::write(scratch_.file("stubs/vdlauncher-win64.exe"), "MZ");
    platform::setEnvironmentVariable("VDPACK_STUBS", scratch_.file("stubs"));
  }
  void TearDown() override { platform::setEnvironmentVariable("VDPACK_STUBS", std::nullopt); }

  std::string manifest(const std::string& text) {
    ScratchDirectory::write(scratch_.file("app.tag"), text);
    return scratch_.file("app.tag");
  }

  // The UsageError's message with the scratch directory written as DIR, or "" on success.
  std::string errorOf(const std::vector<std::string>& args) {
    try {
      parseBuildOptions(args);
      return std::string();
    } catch (const UsageError& e) {
      std::string message = e.message();
      const std::string dir = scratch_.path().string();
      for (size_t at; (at = message.find(dir)) != std::string::npos;)
        message.replace(at, dir.size(), "DIR");
      return message;
    }
  }

  ScratchDirectory scratch_;
};

struct ErrorCase {
  const char* what;
  const char* text;
  const char* error;
};

const char* const kHead = "STUB: stub\nOUT: out\n";

const ErrorCase kErrors[] = {
    {"unknown type", "FILES:\n  Jar 0 a.txt\n/:\n",
     "DIR/app.tag:4: unknown file type \"Jar\" (a number from 0 to 8 or a name such as JvmFile)"},
    {"type number out of range", "FILES:\n  9 0 a.txt\n/:\n",
     "DIR/app.tag:4: TYPE must be a number from 0 to 8, not \"9\""},
    {"id not a number", "FILES:\n  JvmFile one a.txt\n/:\n",
     "DIR/app.tag:4: ID must be a number from -2147483648 to 2147483647, not \"one\""},
    {"missing file", "FILES:\n  Instructions 0 a.txt\n  JvmFile 1 missing.jvm\n/:\n",
     "DIR/app.tag:5: cannot open the file DIR/missing.jvm"},
    {"directory as file", "FILES:\n  JvmFile 1 sub\n/:\n",
     "DIR/app.tag:4: the file DIR/sub is a directory"},
    {"duplicate id", "FILES:\n  JvmFile 1 a.txt\n\n  JvmFile 1 b.txt\n/:\n",
     "DIR/app.tag:6: the file id 1 is used again (first on line 4)"},
    {"duplicate name", "FILES:\n  JvmFile 1 a.txt\n  JvmFile 2 b.txt a.txt\n/:\n",
     "DIR/app.tag:5: the entry name a.txt is used again (first on line 4)"},
    {"name with a colon", "FILES:\n  JvmFile 1 a.txt a:b\n/:\n",
     "DIR/app.tag:4: the entry name \"a:b\" is not a plain file name (it must not be empty, "
     "\".\" or \"..\", nor hold '\\', '/', ':', a carriage return, a line feed or a NUL "
     "character)"},
    {"too few words", "FILES:\n  JvmFile 1\n/:\n",
     "DIR/app.tag:4: a file line wants TYPE ID PATH [NAME] [compressed=COUNT:SIZE]"},
    {"word after the size", "FILES:\n  JvmInstaller 1 a.txt setup.exe compressed=1:2 x\n/:\n",
     "DIR/app.tag:4: unexpected \"x\" (a file line is TYPE ID PATH [NAME] "
     "[compressed=COUNT:SIZE])"},
    {"size without a colon", "FILES:\n  JvmInstaller 1 a.txt compressed=12\n/:\n",
     "DIR/app.tag:4: a compressed size wants COUNT:SIZE, not \"12\""},
    {"unclosed quote", "FILES:\n  JvmFile 1 \"a.txt\n/:\n",
     "DIR/app.tag:4: Expected double quote to end argument near 11"},
    {"kind out of range", "KIND: 300\n", "DIR/app.tag:3: KIND must be a number from 0 to 255, not \"300\""},
    {"unknown tag", "\nNAME: app\n",
     "DIR/app.tag:4: unknown tag NAME (a manifest has STUB, KIND, OUT and FILES)"},
    {"two outputs in a block", "OUT:\n  one\n  two\n/:\n", "DIR/app.tag:5: OUT takes one value"},
    {"line without a colon", "FILES\n", "DIR/app.tag:3: Missing colon at the end of the tag name."},
    {"block without its end", "FILES:\n  JvmFile 1 a.txt\n",
     "DIR/app.tag:3: Missing /: tag completer."},
    {"stub name not there", "STUB: win32\n",
     "DIR/app.tag:3: no win32 launcher: looked for DIR/stubs/vdlauncher-win32.exe"},
    {"stub path not there", "STUB: nostub\n", "DIR/app.tag:3: cannot open the stub DIR/nostub"},
};

TEST_F(ManifestTest, NamesTheLineOfEveryError) {
  for (const ErrorCase& c : kErrors)
    EXPECT_EQ(c.error, errorOf({manifest(std::string(kHead) + c.text)})) << c.what;
}

TEST_F(ManifestTest, CountsLinesWithCarriageReturnsAndBlankLines) {
  EXPECT_EQ("DIR/app.tag:5: unknown file type \"Jar\" (a number from 0 to 8 or a name such as JvmFile)",
            errorOf({manifest("STUB: stub\r\n\r\nOUT: out\r\nFILES:\r\n  Jar 0 a.txt\r\n/:\r\n")}));
}

TEST_F(ManifestTest, NeedsAStubAndAnOutputFromTheManifestOrTheOptions) {
  EXPECT_EQ("DIR/app.tag: no STUB (nor --stub): the launcher to start from",
            errorOf({manifest("OUT: out\n")}));
  EXPECT_EQ("DIR/app.tag: no OUT (nor --out): the file to write",
            errorOf({manifest("STUB: stub\n")}));
  EXPECT_EQ("", errorOf({manifest("KIND: 1\n"), "--stub", scratch_.file("stub"), "--out", "x"}));
  EXPECT_EQ("DIR/none.tag: cannot open the manifest", errorOf({scratch_.file("none.tag")}));
}

TEST_F(ManifestTest, DescribesTheLauncherWithPathsFromTheManifestDirectory) {
  std::filesystem::create_directories(scratch_.path() / "project");
  ScratchDirectory::write(scratch_.file("project/app.tag"),
                          "STUB: win64\n"
                          "KIND: 2\n"
                          "OUT: dist/app.exe\n"
                          "FILES:\n"
                          "  Instructions 0 ../a.txt instructions.txt\n"
                          "  4 -3 \"../with space.txt\" compressed=12:400000\n"
                          "  ClassPathArchive 7 ../b.txt \"lib \"\"x\"\".jar\" compressed=0:0\n"
                          "/:\n");
  PackPlan plan = parseBuildOptions({scratch_.file("project/app.tag")});
  const std::string project = scratch_.file("project");
  EXPECT_EQ(scratch_.file("stubs/vdlauncher-win64.exe"), plan.stub);
  EXPECT_EQ(project + "/dist/app.exe", plan.out);
  EXPECT_EQ(2, plan.kind);
  ASSERT_EQ(3u, plan.files.size());
  EXPECT_EQ(0, plan.files[0].type);
  EXPECT_EQ(0, plan.files[0].fileId);
  EXPECT_EQ(project + "/../a.txt", plan.files[0].path);
  EXPECT_EQ("instructions.txt", plan.files[0].name);
  EXPECT_FALSE(plan.files[0].compressed);
  EXPECT_EQ(4, plan.files[1].type);
  EXPECT_EQ(-3, plan.files[1].fileId);
  EXPECT_EQ("with space.txt", plan.files[1].name);
  EXPECT_TRUE(plan.files[1].compressed);
  EXPECT_EQ(12u, plan.files[1].decompressedCount);
  EXPECT_EQ(400000u, plan.files[1].decompressedSize);
  EXPECT_EQ("lib \"x\".jar", plan.files[2].name);
  EXPECT_TRUE(plan.files[2].compressed);
}

TEST_F(ManifestTest, OptionsAfterTheManifestReplaceItsValuesAndAddFiles) {
  PackPlan plan = parseBuildOptions({manifest("STUB: stub\nOUT: out\nKIND: 1\nFILES:\n  0 0 a.txt\n/:\n"),
                                     "--kind", "3", "--out", "other", "--file", "JvmFile:1:" + scratch_.file("b.txt")});
  EXPECT_EQ(scratch_.file("stub"), plan.stub);
  EXPECT_EQ("other", plan.out);
  EXPECT_EQ(3, plan.kind);
  ASSERT_EQ(2u, plan.files.size());
  EXPECT_EQ("b.txt", plan.files[1].name);
  EXPECT_EQ("--compressed must follow the --file it describes",
            errorOf({manifest("STUB: stub\nOUT: out\nFILES:\n  0 0 a.txt\n/:\n"), "--compressed", "1:2"}));
}

}  // namespace
}  // namespace vd::pack
