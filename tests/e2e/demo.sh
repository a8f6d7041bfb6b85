# The demo launchers of scripts/pack-demo, packed here from the built launchers and jars: the
# Linux one finds the machine's JDK by the ready-made jvm files, starts hello.jar with
# greeting.jar on its class path and hands back its output, arguments and exit code; the
# Windows one gives its embedded files back under Wine and runs the application with a
# stand-in java.exe.
source "$(dirname "$0")/lib.sh"

build=$(dirname "$(dirname "$VD_LAUNCHER")")
if [ ! -f "$build/demo/hello.jar" ] || [ ! -f "$VD_JAVA_DIR/Verify.jar" ]; then
  echo "skipped: the demo jars were not built (no JDK)"
  exit 0
fi
win64=
have_wine && win64=$VD_WIN64_DIR
"$VD_SOURCE_DIR/scripts/pack-demo" "$VD_TMP/out" "$build" $win64 || fail "pack-demo"
hello="$VD_TMP/out/hello"

# --- the index: every demo file under its own type, the ready-made jvm files newest first ----
index=$("$VD_PACK" list "$hello" | sed 's/ id=.* name=/ /')
expect_eq "$(printf '%s\n' "0 Instructions instructions.txt" "1 JvmFile java21.jvm" \
  "1 JvmFile java17.jvm" "1 JvmFile java11.jvm" "2 LaunchScriptFile launch.txt" \
  "3 ClassPathArchive greeting.jar" "5 VerifyArchive Verify.jar" \
  "6 ApplicationArchive hello.jar" "8 JvmMessage message.txt")" "$index" "the demo launcher's index"

# --- a run with the first JDK the search will find: the jvm files' path hints in their order
jvm_dir="$VD_SOURCE_DIR/share/jvm/linux"
jdk=
for jvm in $(sed -n 's/^1 JvmFile //p' <<<"$index"); do
  version=$(sed -n 's/^JVM_PROPERTIES: java.specification.version=//p' "$jvm_dir/$jvm")
  for hint in $(sed -n '/^PATH_HINT:$/,/^\/:$/p' "$jvm_dir/$jvm" | sed '1d;$d'); do
    [ -x "$hint/bin/java" ] || continue
    reported=$(timeout 60 "$hint/bin/java" -cp "$VD_JAVA_DIR/Verify.jar" Verify \
      java.specification.version 2>/dev/null | tail -n 1) || true
    [ "$reported" == "$version" ] && { jdk=$hint; break 2; }
  done
done
if [ -z "$jdk" ]; then
  echo "skipped: no Java 21, 17 or 11 at the ready-made jvm files' path hints"
  exit 0
fi
cd "$VD_TMP"
set +e
out=$(timeout 120 "$hello" -vd:log "$VD_TMP/hello.log" Ada "Alan Turing" 'say "hi"' 2>/dev/null)
rc=$?
set -e
expect_eq 3 "$rc" "the application's exit code (one per name) is the launcher's"
expect_eq "$(printf '%s\n' 'Hello, Ada!' 'Hello, Alan Turing!' 'Hello, say "hi"!' \
  "  greetings from greeting.jar, Java")" "$(sed 's/^\(  .*, Java\) .*/\1/' <<<"$out")" \
  "the application's output"
expect_contains "$out" " in $jdk" "the JVM home the launch script passed on"
grep -qF "Found matching JVM at $jdk" "$VD_TMP/hello.log" || fail "the JDK was not verified"

set +e
out=$(timeout 120 "$hello" -vd:silent 2>&1)
rc=$?
set -e
expect_eq 0 "$rc" "no names, exit code 0"
expect_contains "$out" "Hello, world!" "the greeting without names"

# --- the Windows launcher under Wine --------------------------------------------------------
have_wine || exit 0
mkdir "$VD_TMP/extract"
(cd "$VD_TMP/extract" && wine_run "$VD_TMP/out/hello.exe" -vd:silent -vd:extract) \
  || fail "hello.exe -vd:extract"
for f in instructions.txt launch.txt message.txt; do
  cmp -s "$VD_SOURCE_DIR/demo/$f" "$VD_TMP/extract/$f" || fail "extracted $f differs"
done
for f in java21.jvm java17.jvm java11.jvm; do
  cmp -s "$VD_SOURCE_DIR/share/jvm/windows/$f" "$VD_TMP/extract/$f" || fail "extracted $f differs"
done
for f in hello.jar greeting.jar; do
  cmp -s "$build/demo/$f" "$VD_TMP/extract/$f" || fail "extracted $f differs"
done
[ -f "$VD_TMP/extract/input.tag" ] || fail "no input.tag"

# No Windows JVM exists under Wine: a stand-in java.exe given with -vd:javahome is verified and
# runs the application's command, whose exit code comes back.
fake="$VD_WIN64_DIR/tests/support/fake_java.exe"
[ -f "$fake" ] || fail "no stand-in java.exe in $VD_WIN64_DIR/tests/support"
mkdir -p "$VD_TMP/jdk/bin"
cp "$fake" "$VD_TMP/jdk/bin/java.exe"
printf 'java.specification.version=17\nfake.exit=2\n' > "$VD_TMP/jdk/bin/java.properties"
run wine_run "$VD_TMP/out/hello.exe" -vd:silent -vd:log "$(winpath "$VD_TMP/wine.log")" \
  -vd:javahome "$(winpath "$VD_TMP/jdk")" Ada "Alan Turing"
expect_eq 2 "$rc" "the stand-in application's exit code"
log=$(tr -d '\r' < "$VD_TMP/wine.log")
expect_contains "$log" "Found matching JVM at $(winpath "$VD_TMP/jdk")" \
  "the stand-in JVM was verified"
expect_contains "$log" '\hello.jar";"C:\' "the application and class path jars, separated by ;"
expect_contains "$log" '\greeting.jar"  -Dvd.jvm.home=' "greeting.jar on the class path"
expect_contains "$log" ' demo.Hello  "Ada" "Alan Turing"' "the main class and the names"
