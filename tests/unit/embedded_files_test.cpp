#include "archive/embedded_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "instructions/interpreter.h"
#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "platform/disk_space.h"
#include "platform/path.h"
#include "ui/status.h"
#include "archive_builder.h"
#include "recording_ui.h"
#include "scratch_directory.h"

namespace vd {
namespace {

namespace fs = std::filesystem;
using testing::ArchiveFile;
using testing::buildLauncher;
using testing::ScratchDirectory;

const std::string kNoSpace =
    "Error writing file =  There may not be enough temporary disk space. Try using -vd:tempdir "
    "to use a temporary directory on a partition with more disk space.";

// A UI that asks for cancellation once the bar has moved `cancelAfter` steps.
class CancellingUi : public testing::RecordingUi {
 public:
  int cancelAfter = -1;
  int steps = 0;
  void advanceProgress(int n) override {
    RecordingUi::advanceProgress(n);
    if (++steps == cancelAfter) processState().cancelRequested = true;
  }
};

std::string bigContent(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919) >> 3);
  return bytes;
}

class EmbeddedFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { resetProcessState(); }
  void TearDown() override {
    setProgressUi(nullptr);
    resetProcessState();
  }

  void useLauncher(const std::vector<ArchiveFile>& files) {
    ScratchDirectory::write(launcher(), buildLauncher(files).bytes);
    processState().settings.launcherFile = launcher();
  }
  std::string launcher() const { return scratch.file("launcher.exe"); }
  LauncherArchive& archive() { return processState().archive; }
  std::string failure(const std::function<void()>& work) {
    try {
      work();
    } catch (const LauncherException& e) {
      return e.message();
    }
    return "no failure";
  }
  std::string writeFile(const std::string& name, const std::string& text) {
    std::string path = scratch.file(name);
    ScratchDirectory::write(path, text);
    return path;
  }

  ScratchDirectory scratch;
  CancellingUi ui;
};

const std::vector<ArchiveFile> kTextFiles = {
    {Instructions, 0, "first.txt", "INSTRUCTIONS:\n  INITIALIZE_UI\n/:\n"},
    {JvmFile, 1, "a.jvm", "JVM_EXE: bin/java\n"},
    {Instructions, 2, "second.txt", "INSTRUCTIONS:\n  GOTO END\n/:\n"},
    {JvmMessage, 3, "m1.txt", "MESSAGE: first message\n"},
    {LaunchScriptFile, 4, "launch.txt", "COMMAND: java\n"},
    {JvmFile, 5, "b.jvm", "JVM_EXE: bin/javaw\n"},
    {JvmMessage, 6, "m2.txt", "MESSAGE: second message\n"},
    {LaunchScriptFile, 7, "launch2.txt", "COMMAND: other\n"},
    {VerifyArchive, 8, "Verify.jar", "not a tag file: no colon line\n"},
};

TEST_F(EmbeddedFilesTest, OpenWithLoadingParsesTheTextFiles) {
  setProgressUi(&ui);
  useLauncher(kTextFiles);
  archive().open(true);
  ASSERT_NE(archive().program, nullptr);
  EXPECT_EQ(archive().instructionsFile, archive().entryAt(0)->content.get());
  EXPECT_EQ(archive().instructionsFile->get("INSTRUCTIONS"), "INITIALIZE_UI");
  EXPECT_EQ(archive().launchScriptFile->get("COMMAND"), "java");
  ASSERT_EQ(archive().jvmFiles.size(), 2u);
  EXPECT_EQ(archive().jvmFiles[1]->get("JVM_EXE"), "bin/javaw");
  EXPECT_EQ(archive().jvmNotFoundMessage, "second message");
  EXPECT_TRUE(archive().jvmListSupplied);
  EXPECT_EQ(archive().entryAt(8)->content, nullptr);
  EXPECT_EQ(archive().entryAt(2)->content->sourceName(), "second.txt");
  EXPECT_EQ(std::count(ui.calls.begin(), ui.calls.end(), "setTitle(Vandrel Wizard)"), 1);
}

TEST_F(EmbeddedFilesTest, ParseErrorsNameTheEmbeddedFile) {
  useLauncher({{JvmFile, 1, "a.jvm", "JVM_EXE: bin/java\n"},
               {Instructions, 0, "instructions.txt", "DESC: x\nINSTRUCTIONS:\n  GOTO X\nno colon"}});
  EXPECT_EQ(failure([&] { archive().open(true); }),
            "Syntax error in instructions.txt at line 2 ==> Missing /: tag completer.");
  EXPECT_FALSE(archive().opened());
  EXPECT_EQ(archive().entryCount(), 0);
  EXPECT_TRUE(archive().jvmFiles.empty());
}

TEST_F(EmbeddedFilesTest, FilesNamedByAnInputFileComeFirst) {
  setProgressUi(&ui);
  TagFile input;
  input.set("INSTRUCTIONS", writeFile("program.txt", "INSTRUCTIONS:  LAUNCH\n"));
  input.set("LAUNCHSCRIPT", writeFile("script.txt", "COMMAND: from input\n"));
  input.set("VERIFY_CLASSPATH", "/x/Verify.jar");
  input.set("VERIFY_CLASS_NAME", "Verify");
  input.add("JVM", writeFile("one.jvm", "JVM_EXE: one\n"));
  input.add("JVM", "");
  input.add("JVM", writeFile("two.jvm", "JVM_EXE: two\n"));
  loadNamedFiles(archive(), input);
  useLauncher(kTextFiles);
  archive().open(true);
  EXPECT_EQ(archive().instructionsFile->get("INSTRUCTIONS"), "LAUNCH");
  EXPECT_EQ(archive().launchScriptFile->get("COMMAND"), "from input");
  ASSERT_EQ(archive().jvmFiles.size(), 2u);
  EXPECT_EQ(archive().jvmFiles[0]->get("JVM_EXE"), "one");
  EXPECT_EQ(archive().jvmFiles[1]->get("JVM_EXE"), "two");
  EXPECT_EQ(archive().loadedTagFiles.size(), 4u);
  EXPECT_EQ(archive().verifyClassPath, "/x/Verify.jar");
  EXPECT_EQ(archive().verifyClassName, "Verify");
  EXPECT_EQ(archive().jvmNotFoundMessage, "second message");
}

TEST_F(EmbeddedFilesTest, EmptyJvmValuesStillSupplyTheList) {
  TagFile input;
  input.set("JVM", "");
  input.set("VERIFY_CLASSPATH", "/x/Verify.jar");
  input.set("UI_TITLE", "ignored text");
  setProgressUi(&ui);
  loadNamedFiles(archive(), input);
  EXPECT_TRUE(archive().jvmListSupplied);
  EXPECT_EQ(archive().verifyClassPath, "");
  EXPECT_EQ(ui.calls, std::vector<std::string>{"setTitle(Vandrel Wizard)"});
  useLauncher(kTextFiles);
  archive().open(true);
  EXPECT_TRUE(archive().jvmFiles.empty());
}

TEST_F(EmbeddedFilesTest, NamedFilesThatCannotBeLoaded) {
  std::string missing = scratch.file("missing.txt");
  std::string broken = writeFile("broken.txt", "no colon");
  struct Case {
    const char* key;
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {"INSTRUCTIONS", missing, "Error loading instructions file.Unable to load input file: " + missing},
      {"LAUNCHSCRIPT", missing, "Error loading launch script.Unable to load input file: " + missing},
      {"JVM", missing, "Error loading JVM file.Unable to load input file: " + missing},
      {"JVM", broken,
       "Error loading JVM file.Syntax error in " + broken +
           " at line 1 ==> Missing colon at the end of the tag name."},
  };
  for (const Case& c : cases) {
    resetProcessState();
    TagFile input;
    input.set(c.key, c.path);
    EXPECT_EQ(failure([&] { loadNamedFiles(archive(), input); }), c.message) << c.key;
  }
}

TEST_F(EmbeddedFilesTest, ExtractsAnEntryInChunksWithAProgressStepEach) {
  const std::string content = bigContent(61439 * 3 + 5);
  useLauncher({{ClassPathArchive, 1, "lib.jar", "small"}, {VerifyArchive, 2, "big.jar", content}});
  archive().open(false);
  setProgressUi(&ui);
  fs::create_directories(scratch.file("out"));
  std::string written = extractEntry(*archive().entryAt(1), scratch.file("out"));
  EXPECT_EQ(written, platform::joinPath(scratch.file("out"), "big.jar"));
  EXPECT_EQ(ScratchDirectory::read(written), content);
  EXPECT_EQ(ui.calls, std::vector<std::string>(4, "advanceProgress(1)"));
  // Each call rewrites the file; an empty entry writes an empty file.
  ScratchDirectory::write(written, "old and longer content than the new one");
  resetProcessState();
  useLauncher({{VerifyArchive, 2, "big.jar", "new"}, {JvmInstaller, 3, "empty.exe", ""}});
  archive().open(false);
  EXPECT_EQ(ScratchDirectory::read(extractEntry(*archive().entryAt(0), scratch.file("out"))), "new");
  EXPECT_EQ(ScratchDirectory::read(extractEntry(*archive().entryAt(1), scratch.file("out"))), "");
}

TEST_F(EmbeddedFilesTest, CancellingStopsAfterTheCurrentChunk) {
  useLauncher({{JvmInstaller, 1, "setup.exe", bigContent(61439 * 4)}});
  archive().open(false);
  ui.cancelAfter = 1;
  setProgressUi(&ui);
  EXPECT_EQ(failure([&] { extractEntry(*archive().entryAt(0), scratch.path().string()); }),
            "Canceled by the user.");
  EXPECT_EQ(fs::file_size(scratch.file("setup.exe")), 61439u);
}

TEST_F(EmbeddedFilesTest, RefusesWhatTheDriveCannotHoldBeforeWriting) {
  ArchiveFile compressed{JvmInstaller, 1, "setup.exe", "tiny", true, 0xFFFFFFFF, 0xFFFFFFFF};
  useLauncher({compressed});
  archive().open(false);
  EXPECT_EQ(failure([&] { extractEntry(*archive().entryAt(0), scratch.path().string()); }),
            kNoSpace);
  EXPECT_FALSE(fs::exists(scratch.file("setup.exe")));

  EXPECT_TRUE(platform::hasEnoughDiskSpace(scratch.path().string(), 1, 1));
  EXPECT_TRUE(platform::hasEnoughDiskSpace(scratch.file("not/yet/made"), 1000, 3));
  EXPECT_TRUE(platform::hasEnoughDiskSpace("", 0, 0));
  EXPECT_FALSE(platform::hasEnoughDiskSpace(scratch.path().string(), 1ull << 62, 1));
}

TEST_F(EmbeddedFilesTest, ReportsTheErrorNumberWhenTheTargetCannotBeWritten) {
  useLauncher({{VerifyArchive, 1, "Verify.jar", "bytes"}});
  archive().open(false);
  EXPECT_EQ(failure([&] { extractEntry(*archive().entryAt(0), scratch.file("no-such-dir")); }),
            "Error writing file = 2 There may not be enough temporary disk space. Try using "
            "-vd:tempdir to use a temporary directory on a partition with more disk space.");
}

TEST_F(EmbeddedFilesTest, ALauncherFileThatShrankIsNotACopy) {
  useLauncher({{VerifyArchive, 1, "Verify.jar", bigContent(100000)}});
  archive().open(false);
  fs::resize_file(launcher(), 70000);
  EXPECT_EQ(failure([&] { extractEntry(*archive().entryAt(0), scratch.path().string()); }),
            "The launcher file ended inside the embedded file Verify.jar.");
  fs::remove(launcher());
  EXPECT_EQ(failure([&] { extractEntry(*archive().entryAt(0), scratch.path().string()); }),
            "Cannot open launcher file.");
}

TEST_F(EmbeddedFilesTest, NeverWritesOutsideTheTargetDirectory) {
  const std::string names[] = {"",     ".",       "..",  "../evil", "a/b",        "/abs",
                               "a\\b", "..\\x",   "c:x", "C:",      std::string("a\0b", 3),
                               "a\nb", "a\rb"};
  fs::create_directories(scratch.file("target"));
  for (const std::string& name : names) {
    resetProcessState();
    useLauncher({{VerifyArchive, 1, name, "payload"}});
    archive().open(false);
    std::string message =
        failure([&] { extractEntry(*archive().entryAt(0), scratch.file("target")); });
    EXPECT_NE(message.find("Invalid embedded file name"), std::string::npos) << message;
  }
  EXPECT_TRUE(fs::is_empty(scratch.file("target")));
  std::set<std::string> left;
  for (const fs::directory_entry& entry : fs::directory_iterator(scratch.path()))
    left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{"launcher.exe", "target"}));
}

// Extract mode writes into the current directory.
class ExtractModeTest : public EmbeddedFilesTest {
 protected:
  void SetUp() override {
    EmbeddedFilesTest::SetUp();
    previous = fs::current_path();
    fs::create_directories(scratch.file("cwd"));
    fs::current_path(scratch.file("cwd"));
  }
  void TearDown() override {
    fs::current_path(previous);
    EmbeddedFilesTest::TearDown();
  }
  std::string inCwd(const std::string& name) { return scratch.file("cwd/" + name); }
  fs::path previous;
};

TEST_F(ExtractModeTest, WritesEveryFileAndAnInputFile) {
  std::vector<ArchiveFile> files = kTextFiles;
  files.push_back({ApplicationArchive, 9, "app.jar", bigContent(70000)});
  useLauncher(files);
  archive().open(false);
  for (int run = 0; run < 2; ++run) {
    extractAll(archive());
    for (const ArchiveFile& file : files) EXPECT_EQ(ScratchDirectory::read(inCwd(file.name)), file.bytes);
    EXPECT_EQ(ScratchDirectory::read(inCwd("input.tag")),
              "ACTION:  RUN_INSTRUCTIONS\n"
              "INSTRUCTIONS:  second.txt\n"
              "JVM:\n  a.jvm\n  b.jvm\n/:\n"
              "JVMMESSAGE:  m2.txt\n"
              "LAUNCHSCRIPT:  launch2.txt\n");
  }
}

TEST_F(ExtractModeTest, AnArchiveWithoutEntriesWritesOnlyTheAction) {
  useLauncher({});
  archive().open(false);
  extractAll(archive());
  EXPECT_EQ(ScratchDirectory::read(inCwd("input.tag")), "ACTION:  RUN_INSTRUCTIONS\n");
}

TEST_F(ExtractModeTest, AnUnsafeNameStopsItBeforeAnythingIsWritten) {
  useLauncher({{Instructions, 0, "fine.txt", "A: 1\n"}, {VerifyArchive, 1, "../escape.jar", "x"}});
  archive().open(false);
  EXPECT_NE(failure([&] { extractAll(archive()); }).find("Invalid embedded file name"),
            std::string::npos);
  EXPECT_TRUE(fs::is_empty(scratch.file("cwd")));
  EXPECT_FALSE(fs::exists(scratch.file("escape.jar")));
}

}  // namespace
}  // namespace vd
