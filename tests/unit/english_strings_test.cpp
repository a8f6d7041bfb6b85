// The English texts, word for word as users and documentation know them: a changed text here
// is a changed message on every English system, so it has to be a deliberate change.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/string_resources.h"

namespace vd::platform {
namespace {

TEST(EnglishStringsTest, EveryTextIsExactlyAsPublished) {
  const std::map<unsigned, std::string> expected = {
      {1, "LauncherMain"},
      {2, "Initializing %1!s!..."},
      {3, "Searching for Java(tm) Virtual Machine..."},
      {4, "Preparing Java(tm) Virtual Machine..."},
      {5, "Running %1!s!..."},
      {6, "Java(tm) Virtual Machine was not found. %1!s! could not be launched."},
      {7, "Searching for %1!s!"},
      {8, "Could not load the input file."},
      {9, "Error loading instructions file."},
      {10, "Error loading launch script."},
      {11, "Error loading JVM file."},
      {12, "Invalid JVM file id."},
      {13, "Invalid action in input file: "},
      {14, "A log file name must be specified after the -log option on the command line."},
      {15, "Unable to extract embedded files from the launcher. "},
      {16, "Unable to load the launcher file index. "},
      {17, "No drives found on this system."},
      {19, "No JVM installer was included in the launcher."},
      {20, "The progress bar has not been created yet"},
      {21, "The JVM is not valid."},
      {22, "An input file name must follow the '-in' command line option."},
      {23, "A suitable JVM could not be found. Please select a JVM by selecting its java.exe file."},
      {24, "Unable to search for all JVMs. "},
      {25, "Scanning disk(s) for a Java(tm) Virtual Machine..."},
      {26, "Verifying %1!s!"},
      {27, "Invalid hive (%1!s!) specified in platform hint (%2!s!)."},
      {28, "Invalid platform hint: %1!s!"},
      {29, "Unable to open input file specified on the command line after the -in option."},
      {30, "Choose the JVM Destination Directory"},
      {31, "The Vandrel Wizard is preparing the installation, please wait..."},
      {33, "Error writing file = "},
      {34, " There may not be enough temporary disk space. Try using -vd:tempdir to use a temporary directory on a partition with more disk space."},
      {35, "Canceled by the user."},
      {36, "Cannot use %1!s! as the temp directory because it does not exist. Please run the program again using the option -vd:tempdir <temp dir> to specify a different directory to use."},
      {37, "Selected file is not a a valid JVM. Please select the java.exe file for the JVM or the application cannot be launched."},
      {105, "Vandrel Wizard"},
  };
  std::map<unsigned, std::string> table;
  for (int i = 0; i < kStringTableSize; ++i) table[kStringTable[i].id] = kStringTable[i].text;
  EXPECT_EQ(expected, table);
}

}  // namespace
}  // namespace vd::platform
