#include "platform/language_choice.h"

#include <gtest/gtest.h>

namespace vd::platform {
namespace {

TEST(LanguageChoiceTest, PicksTheTableOfTheLocale) {
  const StringEntry none[] = {{0, ""}};
  const LanguageTable tables[] = {{"en-US", none, 1}, {"de", none, 1},
                                  {"pt-BR", none, 1}, {"pt-PT", none, 1},
                                  {"zh-CN", none, 1}, {"zh-TW", none, 1}};
  struct Case {
    const char* locale;
    const char* tag;
  };
  const Case cases[] = {
      {"de_DE.UTF-8", "de"},
      {"de_AT.utf8", "de"},
      {"de_CH.UTF-8@euro", "de"},
      {"pt_PT.UTF-8", "pt-PT"},
      {"pt_BR.UTF-8", "pt-BR"},
      {"pt_AO.UTF-8", "pt-BR"},  // no table of its own: the first of the language
      {"zh_TW.UTF-8", "zh-TW"},
      {"zh_SG.UTF-8", "zh-CN"},
      {"de_DE.ISO-8859-1", "en-US"},  // the translations are UTF-8
      {"de_DE", "en-US"},
      {"C.UTF-8", "en-US"},
      {"POSIX", "en-US"},
      {"", "en-US"},
      {"fr_FR.UTF-8", "en-US"},
  };
  for (const Case& c : cases)
    EXPECT_STREQ(c.tag, languageTableForLocale(c.locale, tables, 6).tag) << c.locale;
}

// Every language carries every text, and the English one is the first table.
TEST(LanguageChoiceTest, TheCompiledInTablesAreComplete) {
  ASSERT_EQ(29, kLanguageTableCount);
  EXPECT_STREQ("en-US", kLanguageTables[0].tag);
  EXPECT_EQ(kStringTable, kLanguageTables[0].entries);
  for (int i = 0; i < kLanguageTableCount; ++i) {
    ASSERT_EQ(kStringTableSize, kLanguageTables[i].count) << kLanguageTables[i].tag;
    for (int k = 0; k < kStringTableSize; ++k)
      EXPECT_EQ(kStringTable[k].id, kLanguageTables[i].entries[k].id) << kLanguageTables[i].tag;
  }
}

}  // namespace
}  // namespace vd::platform
