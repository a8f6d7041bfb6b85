#include "platform/message_format.h"

#include <gtest/gtest.h>

#include "launcher/exceptions.h"
#include "launcher/text.h"

namespace vd {
namespace {

TEST(MessageFormat, InsertsAndEscapes) {
  struct Case {
    const char* pattern;
    const char* expected;
  } cases[] = {
      {"Initializing %1!s!...", "Initializing Vandrel Wizard..."},
      {"%1!s! %2!s!", "Vandrel Wizard second"},
      {"%2 then %1", "second then Vandrel Wizard"},
      {"100%% sure", "100% sure"},
      {"cut%0 here", "cut"},
      {"[%1!-16s!]", "[Vandrel Wizard  ]"},
      {"no inserts", "no inserts"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(formatText(c.pattern, {"Vandrel Wizard", "second"}), c.expected) << c.pattern;
}

TEST(MessageFormat, MissingInsertFails) {
  EXPECT_FALSE(platform::formatMessage("%3!s!", {"a"}).has_value());
  try {
    formatText("%1!s!", {});
    FAIL();
  } catch (const LauncherException& e) {
    EXPECT_EQ(e.message().rfind("Format message failed. Err = ", 0), 0u);
  }
}

TEST(StringResources, EnglishTextsAreThere) {
  EXPECT_EQ(resourceText(1), "LauncherMain");
  EXPECT_EQ(resourceText(105), "Vandrel Wizard");
  EXPECT_EQ(resourceText(13), "Invalid action in input file: ");
  EXPECT_EQ(resourceText(34).substr(0, 8), " There m");
  EXPECT_EQ(resourceText(999), "");
  EXPECT_EQ(formatResource(36, {"X"}).substr(0, 14), "Cannot use X a");
}

}  // namespace
}  // namespace vd
