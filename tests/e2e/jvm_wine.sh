# The JVM commands of the Windows build under Wine, with the stand-in java.exe: registry and
# path hints, a java.exe picked in the open-file dialog, the drive scan, LAUNCH's command line
# and working directory, INSTALL_JVM with a
# stand-in installer and EXECUTE_LAUNCHER with a nested launcher that removes itself.
#
# Runs in a copy of the private prefix whose drives are the test's own directories (Z: the
# test root, D: a drive to scan; C: stays the prefix's), so that the scan never walks the
# host and registry values written here reach no other test.
source "$(dirname "$0")/lib.sh"

have_wine || exit 0
here=$(cd "$(dirname "$0")" && pwd)
support="$VD_WIN64_DIR/tests/support"
launcher="$VD_WIN64_DIR/src/vdlauncher.exe"
verify_jar="$VD_JAVA_DIR/Verify.jar"
[ -f "$verify_jar" ] || verify_jar="$VD_WIN64_DIR/src/Verify.jar"
[ -f "$support/fake_jvm_installer.exe" ] || fail "no stand-in installer in $support"

prefix="$VD_TMP/prefix"
root="$VD_TMP/root"
scan="$VD_TMP/scan"
cp -a "$VD_WINEPREFIX" "$prefix"
VD_WINEPREFIX=$prefix
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$VD_TMP"' EXIT
mkdir -p "$root" "$scan"
ln -sfn "$root" "$prefix/dosdevices/z:"
ln -sfn "$scan" "$prefix/dosdevices/d:"
cd "$root"

# Paths as the launcher sees them: below the test root on Z:, and back.
zpath() { local p=${1#"$root"}; echo "Z:${p//\//\\}"; }
hostpath() {  # a C:, D: or Z: path
  local p=${1//\\//}
  case "$p" in
    [Cc]:*) echo "$prefix/drive_c${p:2}" ;;
    [Dd]:*) echo "$scan${p:2}" ;;
    *) echo "$root${p:2}" ;;
  esac
}
reg() { WINEPREFIX="$prefix" WINEDEBUG=-all timeout 60 wine reg "$@" >/dev/null; }
clean() { tr -d '\r' < "$1"; }
log_has() { clean "$1" | grep -qF -- "$2" || fail "$3: [$2] not in $(clean "$1")"; }

# A stand-in JVM home reporting java.version 1.8.0_99; an application exits with 42.
fake_jvm() {  # host-directory
  mkdir -p "$1/bin"
  cp "$support/fake_java.exe" "$1/bin/java.exe"
  printf 'java.version=1.8.0_99\nfake.exit=42\n' > "$1/bin/java.properties"
}
write_jvm() {  # file extra-lines...
  local file=$1
  shift
  {
    echo "DESC: Stand-in JVM"
    echo 'JVM_EXE: bin\java.exe'
    echo "JVM_PROPERTIES: java.version=1.8..."
    echo 'CLASSPATH: " -cp "'
    echo "CLASSPATH_SEPARATOR: ;"
    for line in "$@"; do echo "$line"; done
  } > "$file"
}

fake_jvm "$root/reg jdk"
fake_jvm "$root/abs jdk"
fake_jvm "$root/app/jre"
fake_jvm "$root/tmp"                     # the temporary directory is never scanned
fake_jvm "$scan/found"
fake_jvm "$scan/RECYCLER/old"            # nor are the recycle bins
mkdir -p "$scan/upper/BIN" "$root/logs dir" "$root/support"
cp "$support/fake_java.exe" "$scan/upper/BIN/JAVA.EXE"   # not the executable's exact name
cp "$support/fake_java.exe" "$root/support/fake_java.exe"

reg add 'HKCU\Software\VdJvmTest' /v JavaHome /d 'Z:\reg jdk' /f

cat > "$root/launch.txt" <<'EOF'
COMMAND: """@JVM_HOME@\@JVM_EXE@"" %CP%(""""""%APPLICATION_ARCHIVE%()"""""") Main "
EOF
echo "PK stand-in application" > "$root/app.jar"
# FIND_JVM, then LAUNCH of what it found, or ILAUNCH 99 (-1) when it found nothing.
cp "$here/find_and_launch.tag" "$root/find.txt"
write_jvm "$root/reg.jvm" 'PLATFORM_HINT: \HKEY_CURRENT_USER\Software\VdJvmTest\JavaHome'

pack() {  # out files...
  local out=$1
  shift
  local args=()
  for f in "$@"; do args+=(--file "$f"); done
  "$VD_PACK" build --stub "$launcher" --out "$out" "${args[@]}" > /dev/null || fail "vdpack $out"
}

# --- FIND_JVM by a registry hint; LAUNCH's command line, JAVA_HOME and working directory -----
pack "$root/app/setup.exe" "0:0:$root/find.txt" "1:1:$root/reg.jvm" "2:2:$root/launch.txt" \
  "5:5:$verify_jar" "6:6:$root/app.jar"
log="$root/logs dir/find.log"
run wine_run "$root/app/setup.exe" -vd:silent -vd:log "$(zpath "$log")" "two words" 'say "hi"'
expect_eq 42 "$rc" "the stand-in application's exit code"
log_has "$log" 'Checking JVM at Z:\reg jdk which was resolved from platform hint' "registry hint"
log_has "$log" 'Found matching JVM at Z:\reg jdk' "verified"
# The class path option of the jvm file (" -cp ") and the arguments' own leading spaces.
log_has "$log" '"Z:\reg jdk\bin\java.exe"  -cp "C:\' "LAUNCH command: executable and class path"
log_has "$log" '\app.jar" Main  "two words" "say \"hi\""' "LAUNCH command: class and arguments"
log_has "$log" 'JAVA_HOME=Z:\reg jdk' "JAVA_HOME of the application"
log_has "$log" 'CWD=Z:\app' "the application runs in the launcher's directory"

# --- nothing found: the user picks a java.exe in the open-file dialog (shown in silent mode too)
sed 's/^FIND_JVM 1 0$/FIND_JVM 0 1/' "$here/find_and_launch.tag" > "$root/pick.txt"
write_jvm "$root/none.jvm" 'PATH_HINT: \no such jdk'
pack "$root/app/pick.exe" "0:0:$root/pick.txt" "1:1:$root/none.jvm" "2:2:$root/launch.txt" \
  "5:5:$verify_jar" "6:6:$root/app.jar"
pick() {  # answer log
  wine_run "$root/app/pick.exe" -vd:silent -vd:log "$(zpath "$2")" &
  local launcher_pid=$!
  answer=$(wine_run "$support/open_dialog_answer.exe" 30 "$1" | tr -d '\r') || true
  set +e
  wait "$launcher_pid"
  rc=$?
  set -e
}
pick 'Z:\abs jdk\bin\java.exe' "$root/logs dir/pick.log"
expect_contains "$answer" "dialog:" "an open-file dialog was shown"
expect_eq 42 "$rc" "the picked JVM launched the application"
log_has "$root/logs dir/pick.log" 'user selected JVM_HOME=Z:\abs jdk' "the picked home"
log_has "$root/logs dir/pick.log" '"Z:\abs jdk\bin\java.exe"  -cp ' "LAUNCH with the picked JVM"
pick - "$root/logs dir/pick-cancel.log"
expect_eq 255 "$rc" "cancelling the dialog leaves no JVM"
pick 'Z:\abs jdk\bin\java.properties' "$root/logs dir/pick-other.log"
expect_eq 255 "$rc" "a file that is not bin\java.exe is no JVM"
clean "$root/logs dir/pick-other.log" | grep -qF "user selected" && fail "a wrong file was taken"

# --- SEARCH: absolute path hints on every drive, a relative one beside the launcher ----------
run_search() {  # name jvm-file [launcher options...]
  local name=$1 jvm=$2
  shift 2
  printf '%s\n' "ACTION: $ACTION" "LOGFILE: $(zpath "$root/logs dir/$name.log")" \
    "JVM: $(zpath "$jvm")" > "$root/$name.in"
  set +e
  out=$(wine_run "$root/app/setup.exe" -vd:silent "$@" -vd:in "$(zpath "$root/$name.in")" | tr -d '\r')
  rc=$?
  set -e
  mapfile -t lines <<<"$out"
}
jvm_value() { clean "$(hostpath "$1")" | sed -n "s/^$2:  //p"; }

ACTION=SEARCH
write_jvm "$root/abs.jvm" 'PATH_HINT: \abs jdk'
run_search abs "$root/abs.jvm"
expect_eq 1 "${lines[0]}" "absolute path hint found"
expect_eq 'Z:\abs jdk' "${lines[1]}" "absolute path hint home"
for drive in C D Z; do
  log_has "$root/logs dir/abs.log" "Checking path hint $drive:\\abs jdk" "path hint on $drive:"
done
expect_eq 0 "$(jvm_value "${lines[2]}" JVM_TEMP)" "absolute hint: not temporary"
expect_eq 'Z:\abs jdk' "$(jvm_value "${lines[2]}" JVM_HOME)" "saved JVM_HOME"

write_jvm "$root/rel.jvm" 'PATH_HINT: jre'
run_search rel "$root/rel.jvm"
expect_eq 'Z:\app\jre' "${lines[1]}" "relative path hint home"
expect_eq 1 "$(jvm_value "${lines[2]}" JVM_TEMP)" "relative hint: temporary"
clean "$root/logs dir/rel.log" | grep -qF "Checking path hint" && fail "a relative hint was logged"

# --- SEARCH_ALL over the drives ----------------------------------------------------------------
ACTION=SEARCH_ALL
write_jvm "$root/scan.jvm"
run_search scan "$root/scan.jvm" -vd:tempdir 'Z:\tmp'
expect_eq 0 "$rc" "SEARCH_ALL exit code"
expect_eq 9 "${#lines[@]}" "SEARCH_ALL lines: [$out]"
expect_eq 4 "${lines[0]}" "SEARCH_ALL count"
homes=$(printf '%s\n' "${lines[1]}" "${lines[3]}" "${lines[5]}" "${lines[7]}" | sort)
expect_eq "$(printf '%s\n' 'D:\found' 'Z:\abs jdk' 'Z:\app\jre' 'Z:\reg jdk' | sort)" "$homes" \
  "SEARCH_ALL homes"
for i in 2 4 6 8; do [ -f "$(hostpath "${lines[$i]}")" ] || fail "jvm file ${lines[$i]} is gone"; done

# --- INSTALL_JVM 1 with a stand-in installer, then LAUNCH @S1@ --------------------------------
cat > "$root/install.txt" <<'EOF'
INSTRUCTIONS:
INITIALIZE_UI
INSTALL_JVM 1
JMP0 @N1@ DO_INSTALL_ELSE
LAUNCH @S1@ 0
GOTO DO_INSTALL_DONE
:DO_INSTALL_ELSE
ILAUNCH 99 0
:DO_INSTALL_DONE
/:
EOF
pack "$root/app/install.exe" "0:0:$root/install.txt" "2:2:$root/launch.txt" \
  "4:4:$support/fake_jvm_installer.exe:setup.exe" "6:6:$root/app.jar"
log="$root/logs dir/install.log"
FAKE_JAVA_SOURCE=$(zpath "$root/support/fake_java.exe") \
  run wine_run "$root/app/install.exe" -vd:silent -vd:log "$(zpath "$log")"
expect_eq 42 "$rc" "the installed JVM launched the application"
installed=$(clean "$log" | sed -n 's/^JAVA_HOME=//p')
[[ "$installed" == *'\LRE'* ]] || fail "installed JVM home: [$installed] in $(clean "$log")"
log_has "$log" "\"$installed\\bin\\java.exe\"  -cp " "LAUNCH of the installed JVM"
[ ! -e "$(hostpath "$installed")" ] || fail "the installed JVM outlived the run"

# --- EXECUTE_LAUNCHER: the nested launcher gets the arguments and removes itself --------------
printf 'INSTRUCTIONS:\n// the nested launcher leaves its mark in the shared log\nILAUNCH 77 0\n/:\n' \
  > "$root/nested.txt"
pack "$root/nested.exe" "0:0:$root/nested.txt"
printf 'INSTRUCTIONS:\nEXECUTE_LAUNCHER 1\n/:\n' > "$root/outer.txt"
pack "$root/app/outer.exe" "0:0:$root/outer.txt" "7:7:$root/nested.exe"
log="$root/logs dir/nested.log"
run wine_run "$root/app/outer.exe" -vd:silent -vd:log "$(zpath "$log")" "b c"
expect_eq 0 "$rc" "outer launcher exit code"
nested_ran() { [ -f "$log" ] && clean "$log" | grep -qF "ERROR: Unable to launch the internal"; }
for _ in $(seq 300); do nested_ran && break; sleep 0.1; done
nested_ran || fail "the nested launcher did not log through the forwarded -vd:log: $(clean "$log")"
gone() { [ -z "$(find "$prefix/drive_c" -name nested.exe -print -quit)" ]; }
for _ in $(seq 300); do gone && break; sleep 0.1; done
gone || fail "the nested launcher is still there: $(find "$prefix/drive_c" -name nested.exe)"

echo "jvm_wine: all checks passed"
