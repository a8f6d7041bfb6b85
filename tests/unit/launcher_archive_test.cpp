#include "archive/launcher_archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/archive_format.h"
#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "archive_builder.h"
#include "scratch_directory.h"

namespace vd {
namespace {

using testing::ArchiveFile;
using testing::bigEndian32;
using testing::BuiltLauncher;
using testing::buildLauncher;
using testing::patched;
using testing::ScratchDirectory;

const std::vector<ArchiveFile> kThreeFiles = {
    {Instructions, 0, "instructions.txt", "INSTRUCTIONS:\n  INITIALIZE_UI\n/:\n"},
    {VerifyArchive, 1, "Verify.jar", std::string("PK\x03\x04 jar bytes", 14)},
    {JvmInstaller, 3, "setup.exe", "MZ installer", true, 327, 101208524},
};

// Entry fields as comparable text.
std::string describe(const FileIndexEntry& e) {
  std::string text = std::to_string(e.type) + " " + std::to_string(e.fileId) + " " +
                     std::to_string(e.length) + " " + std::to_string(e.offset) + " " + e.name;
  if (e.compressed)
    text += " compressed " + std::to_string(e.decompressedCount) + " " +
            std::to_string(e.decompressedSize);
  return text;
}

std::vector<std::string> describeAll(const LauncherArchive& archive) {
  std::vector<std::string> all;
  for (int i = 0; i < archive.entryCount(); ++i) all.push_back(describe(*archive.entryAt(i)));
  return all;
}

class LauncherArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override { resetProcessState(); }
  void TearDown() override { resetProcessState(); }

  // Writes the launcher file and makes it the running launcher of a fresh process state.
  void useLauncher(const std::string& bytes) {
    resetProcessState();
    ScratchDirectory::write(launcher(), bytes);
    processState().settings.launcherFile = launcher();
  }
  std::string launcher() const { return scratch.file("launcher.exe"); }
  LauncherArchive& archive() { return processState().archive; }

  // The message of the failed open, or "opened" (with the entry count).
  std::string openOutcome() {
    try {
      archive().open(false);
    } catch (const LauncherException& e) {
      EXPECT_FALSE(archive().opened());
      EXPECT_EQ(archive().entryCount(), 0);
      return e.message();
    }
    return "opened " + std::to_string(archive().entryCount());
  }

  ScratchDirectory scratch;
};

TEST_F(LauncherArchiveTest, ReadsTheIndexAndLogsEachEntry) {
  BuiltLauncher built = buildLauncher(kThreeFiles, "STUB", 1);
  useLauncher(built.bytes);
  processState().settings.logFile = scratch.file("log.txt");
  archive().open(false);
  EXPECT_TRUE(archive().opened());
  EXPECT_EQ(describeAll(archive()),
            (std::vector<std::string>{"0 0 33 4 instructions.txt", "5 1 14 37 Verify.jar",
                                      "4 3 12 51 setup.exe compressed 327 101208524"}));
  EXPECT_EQ(ScratchDirectory::read(scratch.file("log.txt")),
            "------------------\n"
            "file type: 0\n  file id: 0\n  length: 33\n  offset: 4\n  file name: instructions.txt\n"
            "file type: 5\n  file id: 1\n  length: 14\n  offset: 37\n  file name: Verify.jar\n"
            "file type: 4\n  file id: 3\n  length: 12\n  offset: 51\n  file name: setup.exe\n");
  EXPECT_EQ(launcherKind(launcher()), 1);
}

TEST_F(LauncherArchiveTest, LooksEntriesUpByPositionAndId) {
  std::vector<ArchiveFile> files = kThreeFiles;
  files.push_back({ClassPathArchive, 1, "second-with-id-1.jar", "x"});
  useLauncher(buildLauncher(files).bytes);
  archive().open(false);
  EXPECT_EQ(archive().entryAt(-1), nullptr);
  EXPECT_EQ(archive().entryAt(4), nullptr);
  EXPECT_EQ(archive().entryAt(3)->name, "second-with-id-1.jar");
  EXPECT_EQ(archive().entryById(1)->name, "Verify.jar");
  EXPECT_EQ(archive().entryById(3)->name, "setup.exe");
  EXPECT_EQ(archive().entryById(2), nullptr);
}

TEST_F(LauncherArchiveTest, FindsTheTrailerBeforeATail) {
  for (size_t tail : {size_t{0}, size_t{1}, size_t{100}, size_t{200000}}) {
    useLauncher(buildLauncher(kThreeFiles, "STUB", 2, tail).bytes);
    EXPECT_EQ(launcherKind(launcher()), 2) << tail;
    EXPECT_EQ(archive().tailSize, static_cast<int64_t>(tail));
    EXPECT_EQ(openOutcome(), "opened 3") << tail;
  }
  // Without an earlier search the open runs it itself.
  useLauncher(buildLauncher(kThreeFiles, "STUB", 2, 77).bytes);
  EXPECT_EQ(openOutcome(), "opened 3");
  EXPECT_EQ(archive().cachedLauncherKind, 2);
}

TEST_F(LauncherArchiveTest, CachesOnlyTheKindOfItsOwnFile) {
  useLauncher(buildLauncher(kThreeFiles, "STUB", 4).bytes);
  std::string other = scratch.file("other.exe");
  ScratchDirectory::write(other, buildLauncher({}, "X", 6).bytes);
  EXPECT_EQ(launcherKind(launcher()), 4);
  EXPECT_EQ(launcherKind(other), 6);
  ScratchDirectory::write(launcher(), buildLauncher({}, "X", 9).bytes);
  ScratchDirectory::write(other, buildLauncher({}, "X", 7).bytes);
  EXPECT_EQ(launcherKind(launcher()), 4);
  EXPECT_EQ(launcherKind(other), 7);
  EXPECT_EQ(launcherKind(scratch.file("missing.exe")), -1);
}

TEST_F(LauncherArchiveTest, KindOfUnreadableOrTinyFiles) {
  processState().settings.launcherFile = launcher();
  EXPECT_EQ(launcherKind(launcher()), -1);
  EXPECT_EQ(archive().cachedLauncherKind, -1);
  EXPECT_EQ(openOutcome(), "Cannot open launcher file.");

  useLauncher("abc");
  try {
    launcherKind(launcher());
    ADD_FAILURE() << "no exception";
  } catch (const LauncherException& e) {
    EXPECT_EQ(e.message(), "Unable to read launcher identification value.");
  }
  EXPECT_EQ(openOutcome(), "Invalid launcher format.");
  // Long enough for the search but not for the kind byte.
  useLauncher(std::string("\xCA\x82\xCA\x82", 4));
  EXPECT_EQ(launcherKind(launcher()), -1);
}

TEST_F(LauncherArchiveTest, WithoutIdentificationTheArchiveIsEmpty) {
  useLauncher(std::string(5000, 'x'));
  EXPECT_EQ(openOutcome(), "opened 0");
  EXPECT_TRUE(archive().opened());
  useLauncher(buildLauncher({}).bytes);
  EXPECT_EQ(openOutcome(), "opened 0");
}

TEST_F(LauncherArchiveTest, OpensOnceAndRetriesAfterAFailure) {
  useLauncher(buildLauncher(kThreeFiles).bytes);
  archive().open(false);
  ScratchDirectory::write(launcher(), buildLauncher({}).bytes);
  archive().open(true);
  EXPECT_EQ(archive().entryCount(), 3);

  BuiltLauncher built = buildLauncher(kThreeFiles);
  useLauncher(patched(built.bytes, built.indexOffset + 4, "\x09"));
  EXPECT_EQ(openOutcome(), "Invalid file type in file index.");
  ScratchDirectory::write(launcher(), built.bytes);
  EXPECT_EQ(openOutcome(), "opened 3");
}

TEST_F(LauncherArchiveTest, RefusesMalformedIndexes) {
  BuiltLauncher built = buildLauncher(kThreeFiles);
  const size_t index = built.indexOffset;
  const size_t entry = index + 4;  // the first entry: type, id, length, offset, name length
  const size_t kindByte = built.bytes.size() - kTrailerSize;
  const std::string beyond = bigEndian32(static_cast<uint32_t>(built.bytes.size()));
  struct Case {
    const char* what;
    std::string bytes;
    std::string message;
  };
  const Case cases[] = {
      {"type byte 9", patched(built.bytes, entry, "\x09"), "Invalid file type in file index."},
      {"type byte 255", patched(built.bytes, entry, "\xFF"), "Invalid file type in file index."},
      {"negative name length", patched(built.bytes, entry + 13, "\x80\x01"),
       "Unable to load the string value."},
      {"name longer than the index", patched(built.bytes, entry + 13, "\x7F\xFF"),
       "Unable to load the string value."},
      {"count larger than the index", patched(built.bytes, index, bigEndian32(0x7FFFFFFF)),
       "Invalid file type in file index."},
      {"count one too many", patched(built.bytes, index, bigEndian32(4)),
       "Invalid file type in file index."},
      {"offset beyond the end", patched(built.bytes, entry + 9, beyond),
       "The embedded file instructions.txt (offset " + std::to_string(built.bytes.size()) +
           ", length 33) lies beyond the end of the launcher file."},
      {"length beyond the end", patched(built.bytes, entry + 5, bigEndian32(0xFFFFFFFF)),
       "The embedded file instructions.txt (offset 15, length 4294967295) lies beyond the end "
       "of the launcher file."},
      {"index offset beyond the end", patched(built.bytes, kindByte + 1, beyond),
       "Invalid file index offset."},
      {"index offset at the trailer", patched(built.bytes, kindByte + 1,
                                               bigEndian32(static_cast<uint32_t>(kindByte))),
       "Unable to read the file count."},
  };
  for (const Case& c : cases) {
    useLauncher(c.bytes);
    EXPECT_EQ(openOutcome(), c.message) << c.what;
  }
  // A negative count means no entries.
  useLauncher(patched(built.bytes, index, bigEndian32(0x80000000)));
  EXPECT_EQ(openOutcome(), "opened 0");
  // Files may lie right up to the end.
  useLauncher(patched(built.bytes, entry + 9,
                      bigEndian32(static_cast<uint32_t>(built.bytes.size() - 33))));
  EXPECT_EQ(openOutcome(), "opened 3");
}

// The index cut off inside each field of the last entry, the trailer put back after it.
TEST_F(LauncherArchiveTest, ATruncatedIndexRaisesTheFieldsMessage) {
  std::vector<ArchiveFile> files = {{JvmFile, 7, "a.jvm", "JVM_EXE: bin/java\n", true, 2, 9}};
  BuiltLauncher built = buildLauncher(files);
  const size_t entry = built.indexOffset + 4;
  struct Case {
    size_t keep;  // bytes of the index kept
    const char* message;
  };
  const Case cases[] = {
      {2, "Unable to read the file count."},
      {4, "Invalid file type in file index."},
      {4 + 3, "Unable to load file id."},
      {4 + 7, "Unable to load file length."},
      {4 + 12, "Unable to load offset to file bytes."},
      {4 + 14, "Unable to load the string value."},
      {4 + 17, "Unable to load the string value."},
      {4 + 20, "Unable to load the compression flag."},
      {4 + 23, "Unable to load decompressed file count."},
      {4 + 28, "Unable to load decompressed size."},
  };
  const std::string trailer = built.trailer();
  for (const Case& c : cases) {
    useLauncher(built.bytes.substr(0, built.indexOffset + c.keep) + trailer);
    EXPECT_EQ(openOutcome(), c.message) << c.keep;
  }
  EXPECT_EQ(entry + 29 + kTrailerSize, built.bytes.size());

  // Every cut, of the index or of the whole file, ends in a clear failure or an empty archive.
  BuiltLauncher three = buildLauncher(kThreeFiles, "STUB", 0, 3);
  for (size_t keep = 0; keep < three.bytes.size() - three.indexOffset - three.trailer().size();
       ++keep) {
    useLauncher(three.bytes.substr(0, three.indexOffset + keep) + three.trailer());
    EXPECT_NE(openOutcome().rfind("opened", 0), 0u) << keep;
  }
  for (size_t size = 0; size < three.bytes.size() - three.tailBytes; ++size) {
    useLauncher(three.bytes.substr(0, size));
    std::string outcome = openOutcome();
    if (outcome.rfind("opened", 0) == 0) {
      EXPECT_EQ(outcome, "opened 0") << size;
    }
  }
}

// A launcher file of 53561888 bytes, sparse but for its file index and trailer.
TEST_F(LauncherArchiveTest, ReadsTheIndexOfAFullSizeLauncher) {
  const std::vector<FileIndexEntry> example = [] {
    std::vector<FileIndexEntry> entries(5);
    auto set = [&](int i, int type, int32_t id, uint32_t length, uint32_t offset,
                   const char* name) {
      entries[i].type = type;
      entries[i].fileId = id;
      entries[i].length = length;
      entries[i].offset = offset;
      entries[i].name = name;
    };
    set(0, 0, 0, 187, 335968, "instructions.txt");
    set(1, 5, 1, 1009, 336155, "Verify.jar");
    set(2, 2, 2, 778, 337164, "launch.txt");
    set(3, 4, 3, 53223703, 337942, "jvm-installer-x86.exe");
    set(4, 8, 4, 70, 53561645, "JVMNotFound.txt");
    entries[3].compressed = true;
    entries[3].decompressedCount = 327;
    entries[3].decompressedSize = 101208524;
    return entries;
  }();
  const uint32_t indexOffset = 53561715;
  std::string index = encodeFileIndex(example) + encodeTrailer(0, indexOffset);
  ASSERT_EQ(indexOffset + index.size(), 53561888u);
  {
    std::ofstream out(launcher(), std::ios::binary);
  }
  std::filesystem::resize_file(launcher(), indexOffset);
  std::ofstream(launcher(), std::ios::binary | std::ios::app) << index;
  ASSERT_EQ(std::filesystem::file_size(launcher()), 53561888u);
  processState().settings.launcherFile = launcher();

  std::string lastNine(9, '\0');
  std::ifstream in(launcher(), std::ios::binary);
  in.seekg(-9, std::ios::end);
  in.read(lastNine.data(), 9);
  EXPECT_EQ(lastNine, std::string("\x00\x03\x31\x49\x73\xCA\x82\xCA\x82", 9));

  EXPECT_EQ(launcherKind(launcher()), 0);
  EXPECT_EQ(archive().tailSize, 0);
  archive().open(false);
  EXPECT_EQ(describeAll(archive()),
            (std::vector<std::string>{"0 0 187 335968 instructions.txt",
                                      "5 1 1009 336155 Verify.jar", "2 2 778 337164 launch.txt",
                                      "4 3 53223703 337942 jvm-installer-x86.exe compressed 327 101208524",
                                      "8 4 70 53561645 JVMNotFound.txt"}));
  // Back to back from 335968 on, the last ending where the index begins.
  for (int i = 1; i < 5; ++i)
    EXPECT_EQ(archive().entryAt(i)->offset,
              archive().entryAt(i - 1)->offset + archive().entryAt(i - 1)->length);
  EXPECT_EQ(archive().entryAt(4)->offset + archive().entryAt(4)->length, indexOffset);
}

}  // namespace
}  // namespace vd
