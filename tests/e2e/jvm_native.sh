# The JVM commands with the machine's real JDK and the native launcher: a packed launcher finds
# the JDK by a path hint, verifies it with Verify.jar and launches a small application; the
# input-file actions SEARCH, SEARCH_ALL, VERIFY_JVM and INSTALL_JVM print their results.
source "$(dirname "$0")/lib.sh"

need_jdk
verify_jar="$VD_JAVA_DIR/Verify.jar"

# The application: its arguments, one per line in brackets, into $APP_OUT; exits with 42.
mkdir -p "$VD_TMP/app"
cat > "$VD_TMP/app/Main.java" <<'JAVA'
public class Main {
  public static void main(String[] args) throws Exception {
    StringBuilder out = new StringBuilder();
    for (String a : args) out.append('[').append(a).append("]\n");
    out.append("home=").append(System.getProperty("vd.jvm.home")).append('\n');
    java.nio.file.Files.write(java.nio.file.Paths.get(System.getenv("APP_OUT")),
                              out.toString().getBytes("UTF-8"));
    System.exit(42);
  }
}
JAVA
timeout 120 javac -d "$VD_TMP/app" "$VD_TMP/app/Main.java"
timeout 60 jar cf "$VD_TMP/app.jar" -C "$VD_TMP/app" Main.class

# A jvm file for this platform's JDKs.
write_jvm() {  # file java-version-expected [extra lines...]
  local file=$1 version=$2
  shift 2
  {
    echo "DESC: OpenJDK $version"
    echo "JVM_EXE: bin/java"
    echo "JVM_PROPERTIES: java.version=$version"
    echo 'CLASSPATH: " -cp "'
    echo "CLASSPATH_SEPARATOR: :"
    echo 'SYSTEM: " -D"'
    echo "SYSTEM_SEPARATOR: ="
    for line in "$@"; do echo "$line"; done
  } > "$file"
}

cat > "$VD_TMP/launch.txt" <<'EOF'
DESC: The test application
COMMAND: """@JVM_HOME@/@JVM_EXE@"" %CP%(""""""%APPLICATION_ARCHIVE%()"""""") %SYSTEMPROP%(""vd.jvm.home"", """"""@JVM_HOME@"""""") %RUNTIME_JAVAARGS%() Main "
EOF
# FIND_JVM, then LAUNCH of what it found, or ILAUNCH 99 (-1) when it found nothing.
cp "$(dirname "$0")/find_and_launch.tag" "$VD_TMP/instructions.txt"
echo "MESSAGE: No Java Runtime Environment (JRE) was found on this system." > "$VD_TMP/message.txt"

pack() {  # out jvm-file
  "$VD_PACK" build --stub "$VD_LAUNCHER" --out "$1" \
    --file "0:0:$VD_TMP/instructions.txt" --file "1:1:$2:java.jvm" \
    --file "2:2:$VD_TMP/launch.txt" --file "5:5:$verify_jar" \
    --file "6:6:$VD_TMP/app.jar" --file "8:8:$VD_TMP/message.txt" > /dev/null || fail "vdpack $1"
}

log_has() {  # log text what
  grep -qF -- "$2" "$1" || fail "$3: [$2] not in the log"
}

# A second JDK home for the searches: its bin/java is a link to the real one.
second="$VD_TMP/tree/second jdk"
mkdir -p "$second/bin" "$VD_TMP/tree/first/bin"
ln -s "$jdk/bin/java" "$second/bin/java"
ln -s "$jdk/bin/java" "$VD_TMP/tree/first/bin/java"
ln -s .. "$VD_TMP/tree/first/loop"     # a link back up is not followed
ln -s "$jdk" "$VD_TMP/tree/jdk-link"   # neither is a link to a directory

# --- FIND_JVM by a path hint, LAUNCH with the application's arguments -------------------------
write_jvm "$VD_TMP/java17.jvm" "17..." "PATH_HINT: $jdk"
pack "$VD_TMP/setup" "$VD_TMP/java17.jvm"
export APP_OUT="$VD_TMP/app.out"
run "$VD_TMP/setup" -vd:silent -vd:log "$VD_TMP/run.log" "two words" 'say "hi"' 'back\slash\' "" \
  'tab	and * ?'
expect_eq 42 "$rc" "the application's exit code is the launcher's"
expect_eq "$(printf '[two words]\n[say "hi"]\n[back\\slash\\]\n[]\n[tab\tand * ?]\nhome=%s' "$jdk")" \
  "$(cat "$APP_OUT")" "application arguments"
log_has "$VD_TMP/run.log" "Checking path hint $jdk" "path hint"
log_has "$VD_TMP/run.log" "Found matching JVM at $jdk" "verified"
log_has "$VD_TMP/run.log" "Matching JVM home is $jdk" "FIND_JVM home"

# --- -vd:javahome wins over the hints ---------------------------------------------------------
rm -f "$APP_OUT"
run "$VD_TMP/setup" -vd:silent -vd:log "$VD_TMP/home.log" -vd:javahome "$second" x
expect_eq 42 "$rc" "exit code with -vd:javahome"
expect_eq "$(printf '[x]\nhome=%s' "$second")" "$(cat "$APP_OUT")" "the given home is used"
log_has "$VD_TMP/home.log" "Checking user specified Java home directory => $second" "javahome"
grep -qF "Checking path hint" "$VD_TMP/home.log" && fail "hints were searched after -vd:javahome"

# --- a jvm file the JDK does not satisfy: the program's own way out ---------------------------
write_jvm "$VD_TMP/java14.jvm" "1.4..." "PATH_HINT: $jdk"
pack "$VD_TMP/old-setup" "$VD_TMP/java14.jvm"
rm -f "$APP_OUT"
run "$VD_TMP/old-setup" -vd:silent -vd:log "$VD_TMP/old.log"
expect_eq 255 "$rc" "a rejected JDK ends through the program's ILAUNCH 99"
[ ! -e "$APP_OUT" ] || fail "the application ran with a rejected JVM"
log_has "$VD_TMP/old.log" "Verifying JVM at $jdk/bin/java" "the JDK was verified"
log_has "$VD_TMP/old.log" "ERROR: Unable to launch the internal launch script" "ILAUNCH 99"
grep -qF "Found matching JVM" "$VD_TMP/old.log" && fail "a 1.4 JVM matched"

# --- input-file actions -----------------------------------------------------------------------
input() {  # name lines...
  local name=$1
  shift
  printf '%s\n' "LOGFILE: $VD_TMP/$name.log" "$@" > "$VD_TMP/$name.in"
}
run_input() {  # name
  set +e
  out=$(timeout 120 "$VD_TMP/setup" -vd:silent -vd:in "$VD_TMP/$1.in")
  rc=$?
  set -e
}

input search "ACTION: SEARCH" "JVM: $VD_TMP/java17.jvm"
run_input search
expect_eq 0 "$rc" "SEARCH exit code"
mapfile -t lines <<<"$out"
expect_eq 3 "${#lines[@]}" "SEARCH prints three lines"
expect_eq 1 "${lines[0]}" "SEARCH found"
expect_eq "$jdk" "${lines[1]}" "SEARCH home"
[ -f "${lines[2]}" ] || fail "the jvm file of SEARCH did not survive the run"
grep -qx "JVM_HOME:  $jdk" "${lines[2]}" || fail "SEARCH jvm file: $(cat "${lines[2]}")"
grep -qx "JVM_FILE:  ${lines[2]}" "${lines[2]}" || fail "SEARCH jvm file names itself"
rm -f "${lines[2]}"

write_jvm "$VD_TMP/nowhere.jvm" "17..." "PATH_HINT: $VD_TMP/no such dir"
input search-none "ACTION: SEARCH" "JVM: $VD_TMP/nowhere.jvm"
run_input search-none
expect_eq "0" "$out" "SEARCH that finds nothing prints 0"

# The scan covers only the test's tree (the drives seam reads VD_TEST_DRIVE_ROOTS).
write_jvm "$VD_TMP/scan.jvm" "17..."
input search-all "ACTION: SEARCH_ALL" "JVM: $VD_TMP/scan.jvm"
VD_TEST_DRIVE_ROOTS="$VD_TMP/tree" run_input search-all
expect_eq 0 "$rc" "SEARCH_ALL exit code"
mapfile -t lines <<<"$out"
expect_eq 5 "${#lines[@]}" "SEARCH_ALL prints a count and two lines per JVM: [$out]"
expect_eq 2 "${lines[0]}" "SEARCH_ALL count"
homes=$(printf '%s\n' "${lines[1]}" "${lines[3]}" | sort)
expect_eq "$(printf '%s\n' "$VD_TMP/tree/first" "$second" | sort)" "$homes" "SEARCH_ALL homes"
for file in "${lines[2]}" "${lines[4]}"; do
  [ -f "$file" ] || fail "SEARCH_ALL jvm file $file did not survive"
  rm -f "$file"
done
log_has "$VD_TMP/search-all.log" "Beginning exhaustive search" "scan"

# SEARCH with SEARCH_ALL: no hint matches, the scan does; the first home verified wins.
write_jvm "$VD_TMP/scan-one.jvm" "17..." "SEARCH_ALL: 1" "PATH_HINT: /no/such/jdk"
input search-scan "ACTION: SEARCH" "JVM: $VD_TMP/scan-one.jvm"
VD_TEST_DRIVE_ROOTS="$VD_TMP/tree" run_input search-scan
mapfile -t lines <<<"$out"
expect_eq 1 "${lines[0]}" "SEARCH by the scan"
case "${lines[1]}" in "$VD_TMP/tree/first"|"$second") ;; *) fail "scan home ${lines[1]}";; esac
rm -f "${lines[2]}"

input verify "ACTION: VERIFY_JVM" "VERIFY_JVM_FILE: $VD_TMP/java17.jvm" "VERIFY_JVM_HOME: $second"
run_input verify
expect_eq "1" "$out" "VERIFY_JVM of a good home"
log_has "$VD_TMP/verify.log" "After VERIFY, the jvm home is $second" "VERIFY_JVM home"
# A verification class path named by the input file, written without quotes.
input verify-given "ACTION: VERIFY_JVM" "VERIFY_JVM_FILE: $VD_TMP/java17.jvm" \
  "VERIFY_JVM_HOME: $jdk" "VERIFY_CLASSPATH: $VD_TMP/verify dir/Verify.jar" "VERIFY_CLASS_NAME: Verify"
mkdir -p "$VD_TMP/verify dir"
cp "$verify_jar" "$VD_TMP/verify dir/Verify.jar"
run_input verify-given
expect_eq "1" "$out" "VERIFY_JVM with the input file's verification class"
log_has "$VD_TMP/verify-given.log" "$VD_TMP/verify dir/Verify.jar" "the given class path"
input verify-old "ACTION: VERIFY_JVM" "VERIFY_JVM_FILE: $VD_TMP/java14.jvm" "VERIFY_JVM_HOME: $jdk"
run_input verify-old
expect_eq "0" "$out" "VERIFY_JVM of a JDK that is too new"
input verify-half "ACTION: VERIFY_JVM" "VERIFY_JVM_FILE: $VD_TMP/java17.jvm"
run_input verify-half
expect_eq "" "$out" "VERIFY_JVM without a home prints nothing"
expect_eq 255 "$rc" "VERIFY_JVM without a home fails"

mkdir -p "$VD_TMP/dest dir"
printf '#!/bin/sh\nprintf "DESC: Installed\\nJVM_EXE: bin/java\\n" > jvm\n' > "$VD_TMP/installer"
chmod +x "$VD_TMP/installer"
input install "ACTION: INSTALL_JVM" "INSTALL_JVM_EXE: $VD_TMP/installer" \
  "INSTALL_JVM_DEST: $VD_TMP/dest dir"
run_input install
expect_eq "$VD_TMP/dest dir/jvm" "$out" "INSTALL_JVM prints the jvm file"
grep -qx "JVM_HOME:  $VD_TMP/dest dir" "$VD_TMP/dest dir/jvm" || fail "installed JVM_HOME"
grep -qx "JVM_TEMP:  0" "$VD_TMP/dest dir/jvm" || fail "installed JVM_TEMP"
input install-none "ACTION: INSTALL_JVM" "INSTALL_JVM_EXE: $VD_TMP/installer"
run_input install-none
expect_eq "" "$out" "INSTALL_JVM without a destination prints nothing"
expect_eq 0 "$rc" "INSTALL_JVM without a destination succeeds"

echo "jvm_native: all checks passed"
