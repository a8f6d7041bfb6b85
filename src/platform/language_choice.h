#pragma once
#include <string>

#include "platform/string_resources.h"

namespace vd::platform {

// The table for a POSIX locale name such as "de_DE.UTF-8" or "pt_BR.utf8": the one of the
// same language and region, else the first of the same language, else English (the first
// table). The translations are UTF-8, so a locale of another character set gets English.
const LanguageTable& languageTableForLocale(const std::string& locale,
                                            const LanguageTable* tables, int count);

// The locale that names the language of messages: LC_ALL, LC_MESSAGES or LANG, the first set.
std::string messagesLocale();

}  // namespace vd::platform
