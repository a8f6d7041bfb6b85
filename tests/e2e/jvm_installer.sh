# The JVM installer made by `vdpack jre`: a runtime jlinked from the machine's JDK, packed as
# the JvmInstaller of a launcher whose program installs it (INSTALL_JVM 1) and launches an
# application on it; the runtime lives in the launcher's temporary directory and is gone after
# the run. The installer run by hand, its refusals, and under Wine the Windows stub writing a
# tree with a stand-in java.exe.
source "$(dirname "$0")/lib.sh"

need_jdk
[ -x "$jdk/bin/jlink" ] || { echo "skipped: no jlink in $jdk"; exit 0; }

# The jlinked runtime is cached in the build directory: jlink takes seconds, the tests reuse it.
cache="$(dirname "$VD_JAVA_DIR")/jre-cache"
runtime="$cache/java.base"
if [ ! -x "$runtime/bin/java" ]; then
  mkdir -p "$cache"
  rm -rf "$cache/partial.$$"
  timeout 240 "$jdk/bin/jlink" --add-modules java.base --strip-debug --no-header-files \
    --no-man-pages --output "$cache/partial.$$" || fail "jlink"
  rm -rf "$runtime"
  mv "$cache/partial.$$" "$runtime"
fi
version=$(sed -n 's/^JAVA_VERSION="\([0-9]*\).*/\1/p' "$runtime/release")

cat > "$VD_TMP/runtime.jvm" <<EOF2
DESC: Bundled Java $version
JVM_EXE: bin/java
JVM_PROPERTIES: java.version=$version...
CLASSPATH: " -cp "
CLASSPATH_SEPARATOR: :
SYSTEM: " -D"
SYSTEM_SEPARATOR: =
EOF2
run "$VD_PACK" jre --runtime "$runtime" --jvm-file "$VD_TMP/runtime.jvm" --out "$VD_TMP/jre-setup" \
  > /dev/null
expect_eq 0 "$rc" "vdpack jre"
# The COUNT:SIZE vdpack prints, for --compressed.
unpacked() { local summary=${1##*--compressed }; echo "${summary%)}"; }
compressed=$(unpacked "$("$VD_PACK" jre --runtime "$runtime" --jvm-file "$VD_TMP/runtime.jvm" \
  --out "$VD_TMP/jre-setup")")
entries=$(( $(find "$runtime" -mindepth 1 | wc -l) + 1 ))
expect_eq "$entries:$(( $(find "$runtime" -type f -printf '%s+') $(stat -c %s "$VD_TMP/runtime.jvm") ))" \
  "$compressed" "the count and size the installer unpacks to"

# --- run by hand: the tree with its executable bits, then the jvm file ------------------------
mkdir -p "$VD_TMP/by hand"
(cd "$VD_TMP/by hand" && run "$VD_TMP/jre-setup" && expect_eq 0 "$rc" "installer exit code")
diff -r "$runtime" "$VD_TMP/by hand" -x jvm > /dev/null || fail "the installed tree differs"
cmp "$VD_TMP/runtime.jvm" "$VD_TMP/by hand/jvm" || fail "the installed jvm file"
[ -x "$VD_TMP/by hand/bin/java" ] && [ ! -x "$VD_TMP/by hand/release" ] || fail "executable bits"
run "$VD_TMP/jre-setup" "$VD_TMP/new dir"
expect_eq 0 "$rc" "installer with a destination argument"
[ -f "$VD_TMP/new dir/jvm" ] || fail "the installer did not create its destination"

# --- the application ---------------------------------------------------------------------------
mkdir -p "$VD_TMP/app"
cat > "$VD_TMP/app/Main.java" <<'JAVA'
public class Main {
  public static void main(String[] args) throws Exception {
    java.nio.file.Files.write(java.nio.file.Paths.get(System.getenv("APP_OUT")),
                              System.getProperty("java.home").getBytes("UTF-8"));
    System.exit(42);
  }
}
JAVA
timeout 120 javac -d "$VD_TMP/app" "$VD_TMP/app/Main.java"
timeout 60 jar cf "$VD_TMP/app.jar" -C "$VD_TMP/app" Main.class
cat > "$VD_TMP/launch.txt" <<'EOF2'
COMMAND: """@JVM_HOME@/@JVM_EXE@"" %CP%(""""""%APPLICATION_ARCHIVE%()"""""") Main "
EOF2
cat > "$VD_TMP/install.txt" <<'EOF2'
INSTRUCTIONS:
INITIALIZE_UI
INSTALL_JVM 1
JMP0 @N1@ NO_JVM
LAUNCH @S1@ 0
GOTO DONE
:NO_JVM
ILAUNCH 99 0
:DONE
/:
EOF2
pack() {  # out stub installer [COUNT:SIZE]
  "$VD_PACK" build --stub "$2" --out "$1" --file "0:0:$VD_TMP/install.txt" \
    --file "2:2:$VD_TMP/launch.txt" --file "4:4:$3:jre-setup" --compressed "${4:-$compressed}" \
    --file "5:5:$VD_JAVA_DIR/Verify.jar" --file "6:6:$VD_TMP/app.jar" > /dev/null \
    || fail "vdpack build $1"
}

# --- the verification class passes the installed runtime with this jvm file --------------------
pack "$VD_TMP/setup" "$VD_LAUNCHER" "$VD_TMP/jre-setup"
printf '%s\n' "ACTION: VERIFY_JVM" "VERIFY_JVM_FILE: $VD_TMP/by hand/jvm" \
  "VERIFY_JVM_HOME: $VD_TMP/by hand" > "$VD_TMP/verify.in"
expect_eq 1 "$(timeout 60 "$VD_TMP/setup" -vd:silent -vd:in "$VD_TMP/verify.in")" \
  "VERIFY_JVM of the installed runtime"

# --- INSTALL_JVM 1 and LAUNCH @S1@: the application runs on the installed runtime -------------
mkdir -p "$VD_TMP/tmp"
export APP_OUT="$VD_TMP/app.out"
TMPDIR="$VD_TMP/tmp" run "$VD_TMP/setup" -vd:silent -vd:log "$VD_TMP/install.log"
expect_eq 42 "$rc" "the application's exit code"
home=$(cat "$APP_OUT")
case "$home" in
  "$VD_TMP/tmp/LRE"*) ;;
  *) fail "java.home [$home] is not below the launcher's temporary directory" ;;
esac
[ "$(readlink -f "$home")" != "$(readlink -f "$jdk")" ] || fail "the machine's JDK ran"
expect_eq "" "$(ls -A "$VD_TMP/tmp")" "the temporary directory after the run"
grep -qF "Executing launch script command: \"$home/bin/java\"" "$VD_TMP/install.log" \
  || fail "LAUNCH of the installed runtime: $(cat "$VD_TMP/install.log")"

# --- a damaged installer writes no jvm file: INSTALL_JVM reports it, the program goes on --------
head -c -100 "$VD_TMP/jre-setup" > "$VD_TMP/cut-setup"
chmod +x "$VD_TMP/cut-setup"
pack "$VD_TMP/setup-cut" "$VD_LAUNCHER" "$VD_TMP/cut-setup"
rm -f "$APP_OUT"
TMPDIR="$VD_TMP/tmp" run "$VD_TMP/setup-cut" -vd:silent -vd:log "$VD_TMP/cut.log"
expect_eq 255 "$rc" "a damaged installer ends in the program's ILAUNCH 99"
grep -qF "ERROR: Invalid bundled JVM. Missing 'jvm' file." "$VD_TMP/cut.log" || fail "cut log"
[ ! -e "$APP_OUT" ] || fail "the application ran without a runtime"
expect_eq "" "$(ls -A "$VD_TMP/tmp")" "the temporary directory after a failed install"
rc=0
(cd "$VD_TMP/tmp" && exec timeout 60 "$VD_TMP/cut-setup" 2> "$VD_TMP/cut.err") || rc=$?
expect_eq 1 "$rc" "the damaged installer's exit code"
expect_eq "" "$(ls -A "$VD_TMP/tmp")" "a damaged installer writes nothing"
expect_contains "$(cat "$VD_TMP/cut.err")" "The runtime package is damaged: " "its message"

# --- what vdpack jre refuses ------------------------------------------------------------------
mkdir -p "$VD_TMP/own-jvm/bin"
touch "$VD_TMP/own-jvm/jvm" "$VD_TMP/own-jvm/bin/java"
err=$("$VD_PACK" jre --runtime "$VD_TMP/own-jvm" --jvm-file "$VD_TMP/runtime.jvm" \
  --out "$VD_TMP/x" 2>&1) && fail "a runtime with a jvm of its own was packed"
expect_contains "$err" "where the installer writes the jvm file" "own jvm"
printf 'JVM_EXE: bin\\javaw.exe\n' > "$VD_TMP/other.jvm"
err=$("$VD_PACK" jre --runtime "$runtime" --jvm-file "$VD_TMP/other.jvm" --out "$VD_TMP/x" 2>&1) \
  && fail "a jvm file naming a missing JVM_EXE was packed"
expect_contains "$err" 'JVM_EXE bin\javaw.exe is not a file of the runtime' "missing JVM_EXE"
[ ! -e "$VD_TMP/x" ] || fail "a refused installer was written"

# --- under Wine: the Windows stub installs a tree with a stand-in java.exe ---------------------
stub="${VD_WIN64_DIR:-}/tools/vdjre/vdjre.exe"
if have_wine && [ -f "$stub" ] && [ -f "$VD_WIN64_DIR/tests/support/fake_java.exe" ]; then
  mkdir -p "$VD_TMP/win/bin" "$VD_TMP/win/lib" "$VD_TMP/wintmp"
  cp "$VD_WIN64_DIR/tests/support/fake_java.exe" "$VD_TMP/win/bin/java.exe"
  printf 'java.version=1.8.0_99\nfake.exit=42\n' > "$VD_TMP/win/bin/java.properties"
  printf 'the runtime library\n' > "$VD_TMP/win/lib/rt.jar"
  printf '%s\n' "DESC: Stand-in" 'JVM_EXE: bin\java.exe' "JVM_PROPERTIES: java.version=1.8..." \
    'CLASSPATH: " -cp "' "CLASSPATH_SEPARATOR: ;" > "$VD_TMP/win.jvm"
  win_compressed=$(unpacked "$("$VD_PACK" jre --stub "$stub" --runtime "$VD_TMP/win" \
    --jvm-file "$VD_TMP/win.jvm" --out "$VD_TMP/jre-setup.exe")")
  sed -i 's|@JVM_HOME@/@JVM_EXE@|@JVM_HOME@\\@JVM_EXE@|' "$VD_TMP/launch.txt"
  pack "$VD_TMP/setup.exe" "$VD_WIN64_DIR/src/vdlauncher.exe" "$VD_TMP/jre-setup.exe" \
    "$win_compressed"
  run wine_run "$VD_TMP/setup.exe" -vd:silent -vd:tempdir "$(winpath "$VD_TMP/wintmp")" \
    -vd:log "$(winpath "$VD_TMP/win.log")"
  expect_eq 42 "$rc" "the stand-in java.exe installed by the Windows stub ran"
  log=$(tr -d '\r' < "$VD_TMP/win.log")
  expect_contains "$log" "JAVA_HOME=$(winpath "$VD_TMP/wintmp")\\LRE" "the installed home"
  expect_contains "$log" '\bin\java.exe"  -cp ' "LAUNCH of the installed java.exe"
  expect_eq "" "$(ls -A "$VD_TMP/wintmp")" "the Windows temporary directory after the run"
else
  echo "Wine part skipped: no Wine or no Windows installer stub"
fi

echo "jvm_installer: all checks passed"
