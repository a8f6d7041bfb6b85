#pragma once
// The values a file to embed is described by, read the same way from the command line and
// from a manifest. Failures raise UsageError with a message that names the value.
#include <cstdint>
#include <string>

#include "pack_plan.h"

namespace vd::pack {

// A whole decimal number in [minimum, maximum]; `what` names it in the message.
int64_t parseNumber(const std::string& text, int64_t minimum, int64_t maximum,
                    const std::string& what);
// An embedded file type by name ("JvmFile") or number (0 to 8).
int parseFileType(const std::string& text);
int32_t parseFileId(const std::string& text);
uint8_t parseKind(const std::string& text, const std::string& what);
// COUNT:SIZE of a compressed package, stored into `file`.
void parseCompressedSize(const std::string& text, PackFile& file);

// Why the launcher could not use `name` as an entry name, or empty when it can.
std::string entryNameProblem(const std::string& name);

}  // namespace vd::pack
