#include "launcher/text.h"

#include "launcher/exceptions.h"
#include "platform/message_format.h"
#include "platform/string_resources.h"
#include "platform/system_error.h"

namespace vd {

std::string resourceText(unsigned id) { return platform::loadStringResource(id); }

std::string formatText(const std::string& pattern, const std::vector<std::string>& inserts) {
  std::optional<std::string> text = platform::formatMessage(pattern, inserts);
  if (!text)
    throw LauncherException("Format message failed. Err = " +
                            std::to_string(platform::lastErrorCode()));
  return *text;
}

std::string formatResource(unsigned id, const std::vector<std::string>& inserts) {
  return formatText(resourceText(id), inserts);
}

std::string systemErrorText(uint32_t code) { return platform::systemErrorText(code); }

std::string lastErrorText() { return platform::systemErrorText(platform::lastErrorCode()); }

}  // namespace vd
