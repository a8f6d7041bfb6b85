#include "platform/wininit_rename_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scratch_directory.h"

namespace vd {
namespace {

const std::vector<std::string> kLines = {"NUL=C:\\WORK\\X\\SETUP.EXE", "NUL=C:\\WORK\\X"};
const std::string kAdded = "NUL=C:\\WORK\\X\\SETUP.EXE\nNUL=C:\\WORK\\X\n";

TEST(WinInitRenameLinesTest, InsertsUnderTheHeaderOrAppendsTheSection) {
  struct Case {
    const char* what;
    std::string before, after;
  };
  const Case cases[] = {
      {"existing section", "[Rename]\nNUL=C:\\OLD.TMP\n",
       "[Rename]\n" + kAdded + "NUL=C:\\OLD.TMP\n"},
      {"section between others", "[boot]\r\na=1\r\n[Rename]\r\nold=x\r\n[end]\r\n",
       "[boot]\r\na=1\r\n[Rename]\r\n" + kAdded + "old=x\r\n[end]\r\n"},
      {"no section", "[boot]\nshell=x\n", "[boot]\nshell=x\n[Rename]\n" + kAdded},
      {"empty file", "", "[Rename]\n" + kAdded},
      {"header at the very end", "[boot]\n[Rename]", "[boot]\n[Rename]\n" + kAdded},
      {"last line without line end", "[boot]\nshell=x", "[boot]\nshell=x\n[Rename]\n" + kAdded},
      {"header case differs", "[rename]\n", "[rename]\n[Rename]\n" + kAdded},
      {"header behind a NUL byte", std::string("a\n\0[Rename]\n", 12),
       std::string("a\n\0[Rename]\n", 12) + "[Rename]\n" + kAdded},
  };
  for (const Case& c : cases) EXPECT_EQ(insertRenameLines(c.before, kLines), c.after) << c.what;
}

class WinInitRenameListTest : public ::testing::Test {
 protected:
  std::string ini() const { return scratch.file("WinInit.Ini"); }
  testing::ScratchDirectory scratch;
};

TEST_F(WinInitRenameListTest, AddsToAnExistingFile) {
  testing::ScratchDirectory::write(ini(), "[Rename]\nNUL=C:\\OLD.TMP\n");
  WinInitRenameList list(ini());
  list.addDeletion(ini());
  ASSERT_EQ(list.lines(), std::vector<std::string>{"NUL=" + ini()});
  EXPECT_EQ(list.write(), 0u);
  EXPECT_TRUE(list.lines().empty());
  EXPECT_EQ(testing::ScratchDirectory::read(ini()),
            "[Rename]\nNUL=" + ini() + "\nNUL=C:\\OLD.TMP\n");
}

TEST_F(WinInitRenameListTest, CreatesAMissingFile) {
  WinInitRenameList list(ini());
  list.addDeletion(scratch.file("gone"));  // a path without a short form gives an empty name
  list.addDeletion(scratch.path().string());
  EXPECT_EQ(list.write(), 0u);
  EXPECT_EQ(testing::ScratchDirectory::read(ini()),
            "[Rename]\nNUL=\nNUL=" + scratch.path().string() + "\n");
}

TEST_F(WinInitRenameListTest, NothingToWriteLeavesNoFile) {
  WinInitRenameList list(ini());
  EXPECT_EQ(list.write(), 0u);
  EXPECT_FALSE(std::filesystem::exists(ini()));
}

TEST_F(WinInitRenameListTest, FailureReportsAnErrorAndKeepsTheLines) {
  WinInitRenameList list(scratch.file("no-dir/WinInit.Ini"));
  list.addDeletion(ini());
  EXPECT_NE(list.write(), 0u);
  EXPECT_EQ(list.lines().size(), 1u);
}

}  // namespace
}  // namespace vd
