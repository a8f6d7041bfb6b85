#include "jvm/launcher_jvm_search.h"

#include "launcher/process_state.h"

namespace vd {

JvmSearch& launcherJvmSearch() {
  LauncherArchive& archive = processState().archive;
  JvmSearch& search = archive.jvmSearch;
  if (search.descriptors().empty())
    for (const TagFile* tags : archive.jvmFiles)
      search.addDescriptor(std::make_unique<JvmDescriptor>(*tags));
  bool verificationGiven = !archive.verifyClassPath.empty() && !archive.verifyClassName.empty();
  if (verificationGiven && search.verificationClassPath().empty() &&
      search.verificationClassName().empty())
    search.setVerification(archive.verifyClassPath, archive.verifyClassName);
  return search;
}

}  // namespace vd
