#include "archive/file_index.h"

namespace vd {
namespace {

constexpr const char* kTypeNames[kEmbeddedFileTypeCount] = {
    "Instructions",     "JvmFile",       "LaunchScriptFile",
    "ClassPathArchive", "JvmInstaller",  "VerifyArchive",
    "ApplicationArchive", "EmbeddedLauncher", "JvmMessage",
};

}  // namespace

const char* embeddedFileTypeName(int type) {
  if (type < 0 || type >= kEmbeddedFileTypeCount) return nullptr;
  return kTypeNames[type];
}

int embeddedFileTypeByName(const std::string& name) {
  for (int type = 0; type < kEmbeddedFileTypeCount; ++type)
    if (name == kTypeNames[type]) return type;
  return -1;
}

bool isEmbeddedTextFile(int type) {
  return type == Instructions || type == JvmFile || type == LaunchScriptFile ||
         type == JvmMessage;
}

}  // namespace vd
