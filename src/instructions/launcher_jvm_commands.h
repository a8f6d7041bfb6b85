#pragma once
#include <memory>

#include "instructions/jvm_command_bodies.h"
#include "instructions/jvm_commands.h"

namespace vd {

// The JVM commands of a launcher build: the search, verification, installation and launch of
// jvm_command_bodies.h. `choose` asks the user for a Java executable when FIND_JVM finds none.
std::unique_ptr<JvmCommands> makeLauncherJvmCommands(
    JavaExecutableChooser choose = platform::chooseJavaExecutable);

}  // namespace vd
