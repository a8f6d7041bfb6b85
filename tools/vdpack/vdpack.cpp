// vdpack: appends a launcher archive to a launcher executable, lists one and extracts one.
#include <cstdio>
#include <string>
#include <vector>

#include "launcher/exceptions.h"
#include "jre_pack.h"
#include "pack_plan.h"
#include "pack_writer.h"

namespace {

constexpr const char* kHelp = R"(usage:
  vdpack build MANIFEST [build options]
  vdpack build --stub LAUNCHER --out FILE [--kind N]
               --file TYPE:ID:PATH[:NAME] [--compressed COUNT:SIZE] ... [--tail BYTES]
  vdpack list FILE
  vdpack extract FILE DIR
  vdpack jre --runtime DIR --jvm-file JVMFILE --out INSTALLER [--stub STUB]
  vdpack --help

build   Copies LAUNCHER to FILE and appends the launcher archive: the bytes of every
        file in the order given, the file index and the trailer. FILE gets LAUNCHER's
        permission bits. FILE may be LAUNCHER itself; it is replaced only when all is written.
        With a MANIFEST the launcher is described there; options after it replace its
        STUB, OUT and KIND and add files after its own.
list    Prints the file index of a launcher file, one entry a line:
        TYPE TYPE-NAME id=ID length=BYTES offset=POSITION [compressed=COUNT:SIZE] name=NAME
extract Writes every embedded file of a launcher file into DIR (created when missing)
        under its entry name. An archive holding a name that is not a plain file name is
        refused whole, before anything is written.
jre     Makes a JVM installer, the JvmInstaller file (type 4) that INSTALL_JVM runs: STUB
        followed by every directory and file below DIR (a runtime made with jlink, say) and
        the jvm file JVMFILE. Run with a destination as its working directory (or given as
        its one argument) the installer first checks its whole package (checksums, and
        paths that stay below the destination), then writes the tree there, keeping the
        executable bits on POSIX, and the jvm file last, as "jvm". JVMFILE's JVM_EXE must
        name a file of DIR ("bin\java.exe" and "bin/java.exe" alike), and DIR must not
        hold a "jvm" of its own. STUB defaults to the installer stub of vdpack's platform
        (lib/vdlauncher/vdjre beside an installed vdpack, tools/vdjre/vdjre in a build
        tree); for Windows give the vdjre.exe of a Windows build. Prints the COUNT:SIZE
        the tree unpacks to, for the installer's --compressed in the launcher.

manifest (a tag file; relative paths count from the manifest's directory):
  STUB: linux | win64 | win32 | PATH   the launcher to start from (required)
  OUT: PATH                            the file to write (required)
  KIND: N                              the launcher kind byte, 0 to 255 (default 0)
  FILES:                               the files to embed, one a line, in archive order:
    TYPE ID PATH [NAME] [compressed=COUNT:SIZE]
  /:
  A word with blanks is written in double quotes, two double quotes standing for one.
  Ids and entry names must be unique. Errors name the manifest's line: "app.tag:7: ...".

stub names: linux, win64 and win32 name the launcher builds vdlauncher,
  vdlauncher-win64.exe and vdlauncher-win32.exe in $VDPACK_STUBS when that is set, else in
  <vdpack's directory>/../lib/vdlauncher (the install layout); the launcher built beside
  vdpack (<vdpack's directory>/../../src) also answers to the name of its own platform.
  Any other value is a path.

build options:
  --stub LAUNCHER      the launcher executable to start from (a path or a stub name)
  --out FILE           the file to write
  --kind N             the launcher kind byte of the trailer, 0 to 255 (default 0)
  --file TYPE:ID:PATH[:NAME]
                       embeds the file at PATH. TYPE is a number or a name:
                         0 Instructions        instruction program (tag file)
                         1 JvmFile             jvm file (tag file)
                         2 LaunchScriptFile    launch script (tag file)
                         3 ClassPathArchive    class path archive
                         4 JvmInstaller        JVM installer
                         5 VerifyArchive       archive holding the Verify class
                         6 ApplicationArchive  application archive
                         7 EmbeddedLauncher    a further launcher
                         8 JvmMessage          JVM-not-found message (tag file)
                       ID is the signed 32-bit number instructions use for the file.
                       NAME is the name the launcher writes the file under (default: the
                       last component of PATH). A PATH holding ':' needs an explicit :NAME,
                       since the last ':' separates the name. A name must not be empty,
                       "." or "..", longer than 32767 bytes, or hold '\', '/', ':', a
                       carriage return, a line feed or a NUL character.
  --compressed COUNT:SIZE
                       marks the previous --file as a package that unpacks to COUNT files of
                       SIZE bytes in all; the launcher reserves that much disk space when
                       it writes the file out
  --tail BYTES         appends BYTES zero bytes after the trailer (as signing tools do)

Exit status: 0 on success, 1 when a file cannot be read or written or is not a launcher
archive, 2 for a command line or manifest vdpack cannot follow (a manifest's missing
file included).
)";

int usage(const std::string& message) {
  std::fprintf(stderr, "vdpack: %s\n", message.c_str());
  return 2;
}

int run(const std::vector<std::string>& args) {
  if (args.empty()) return usage("no command (see vdpack --help)");
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kHelp, stdout);
    return 0;
  }
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "build") {
    if (!rest.empty() && rest[0] == "--help") return run({"--help"});
    vd::pack::writeLauncher(vd::pack::parseBuildOptions(rest));
    return 0;
  }
  if (command == "list") {
    if (rest.size() != 1) return usage("list wants one FILE");
    vd::pack::listLauncher(rest[0], stdout);
    return 0;
  }
  if (command == "extract") {
    if (rest.size() != 2) return usage("extract wants FILE and DIR");
    vd::pack::extractLauncher(rest[0], rest[1]);
    return 0;
  }
  if (command == "jre") {
    vd::pack::JrePlan plan = vd::pack::parseJreOptions(rest);
    vd::pack::JreSummary summary = vd::pack::writeJreInstaller(plan);
    std::printf("%s: %u entries, %llu bytes unpacked (embed it with --compressed %u:%llu)\n",
                plan.out.c_str(), summary.entries,
                static_cast<unsigned long long>(summary.bytes), summary.entries,
                static_cast<unsigned long long>(summary.bytes));
    return 0;
  }
  return usage("unknown command " + command + " (see vdpack --help)");
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const vd::pack::UsageError& e) {
    return usage(e.message());
  } catch (const vd::LauncherException& e) {
    std::fprintf(stderr, "vdpack: %s\n", e.message().c_str());
    return 1;
  }
}
