# The launcher archive built by vdpack: the index log lines, extract mode, malformed archives
# (exit code 255 and the log's error line) and entry names that would leave the target
# directory. Natively, and with the Windows build under Wine.
source "$(dirname "$0")/lib.sh"

payload="$VD_TMP/payload"
mkdir -p "$payload"
printf 'INSTRUCTIONS:\n  INITIALIZE_UI\n/:\n' > "$payload/instructions.txt"
printf 'JVM_EXE: bin/java\n' > "$payload/one.jvm"
printf 'JVM_EXE: bin/javaw\n' > "$payload/two.jvm"
printf 'COMMAND: java -cp x App\n' > "$payload/launch.txt"
printf 'MESSAGE: No JVM.\n' > "$payload/JVMNotFound.txt"
head -c 150000 /dev/urandom > "$payload/setup.bin"
head -c 3000 /dev/urandom > "$payload/Verify.jar"

# build STUB OUT [extra vdpack options]: an archive with several entries and a tail.
build() {
  local stub=$1 out=$2
  shift 2
  "$VD_PACK" build --stub "$stub" --out "$out" --kind 1 \
    --file "Instructions:0:$payload/instructions.txt" \
    --file "JvmFile:1:$payload/one.jvm" \
    --file "VerifyArchive:2:$payload/Verify.jar" \
    --file "JvmInstaller:3:$payload/setup.bin:setup.exe" --compressed 12:400000 \
    --file "JvmFile:4:$payload/two.jvm" \
    --file "LaunchScriptFile:5:$payload/launch.txt" \
    --file "JvmMessage:6:$payload/JVMNotFound.txt" "$@"
}

# The index offset stored in the trailer (no tail).
index_offset() {
  local bytes
  read -r -a bytes <<<"$(tail -c 8 "$1" | head -c 4 | od -An -tu1)"
  echo $(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))
}

# in_dir DIR COMMAND...: runs the command with DIR as the working directory.
in_dir() {
  local dir=$1
  shift
  pushd "$dir" >/dev/null
  "$@"
  popd >/dev/null
}

# patch FILE OFFSET PRINTF-TEXT: overwrites bytes in place.
patch() { printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }

expected_input_tag='ACTION:  RUN_INSTRUCTIONS
INSTRUCTIONS:  instructions.txt
JVM:
  one.jvm
  two.jvm
/:
LAUNCHSCRIPT:  launch.txt
JVMMESSAGE:  JVMNotFound.txt'

# check_flavour NAME STUB EXTENSION: `launch FILE ARGS...` runs a launcher file silently and
# `log_arg PATH` gives a host path in the launcher's form.
check_flavour() {
  local name=$1 stub=$2 ext=$3
  local dir="$VD_TMP/$name"
  mkdir -p "$dir"
  local app="$dir/app$ext"
  build "$stub" "$app"
  [ -x "$app" ] || fail "$name: vdpack output is not executable"
  local listing
  listing=$("$VD_PACK" list "$app")
  expect_eq 7 "$(wc -l <<<"$listing")" "$name: vdpack list lines"
  expect_contains "$listing" "4 JvmInstaller id=3 length=150000 offset=$(($(stat -c %s "$stub") + 33 + 18 + 3000)) compressed=12:400000 name=setup.exe" "$name: vdpack list entry"

  # Extract mode in a scratch working directory: every file, input.tag and the index lines.
  mkdir "$dir/out"
  in_dir "$dir/out" launch "$app" -vd:log "$(log_arg "$dir/extract.log")" -vd:extract
  expect_eq 0 "$rc" "$name: extract exit code"
  for f in instructions.txt one.jvm two.jvm Verify.jar launch.txt JVMNotFound.txt; do
    cmp -s "$payload/$f" "$dir/out/$f" || fail "$name: extracted $f differs"
  done
  cmp -s "$payload/setup.bin" "$dir/out/setup.exe" || fail "$name: extracted setup.exe differs"
  expect_eq "$expected_input_tag" "$(tr -d '\r' <"$dir/out/input.tag")" "$name: input.tag"
  expect_eq 8 "$(ls "$dir/out" | wc -l)" "$name: files written by extract mode"
  local log
  log=$(tr -d '\r' <"$dir/extract.log")
  local offset=$(($(stat -c %s "$stub") + 33 + 18))
  expect_contains "$log" "file type: 5
  file id: 2
  length: 3000
  offset: $offset
  file name: Verify.jar" "$name: index log lines"
  expect_eq 7 "$(grep -c '^file type: ' <<<"$log")" "$name: one log record per entry"

  # A tail after the trailer is still found.
  build "$stub" "$dir/tailed-app$ext" --tail 4096
  mkdir "$dir/tailed-out"
  in_dir "$dir/tailed-out" launch "$dir/tailed-app$ext" -vd:extract
  expect_eq 0 "$rc" "$name: extract with a tail"
  cmp -s "$payload/setup.bin" "$dir/tailed-out/setup.exe" || fail "$name: tail: setup.exe differs"

  # Malformed archives: the open fails, the log has the error, the exit code is -1.
  local index
  index=$(index_offset "$app")
  head -c $((index + 14)) "$app" > "$dir/truncated$ext"
  tail -c 9 "$app" >> "$dir/truncated$ext"
  cp "$app" "$dir/type9$ext"
  patch "$dir/type9$ext" $((index + 4)) '\x09'
  cp "$app" "$dir/beyond$ext"
  patch "$dir/beyond$ext" $((index + 9)) '\xff\xff\xff\xff'
  local -A messages=(
    [truncated]="Unable to load offset to file bytes."
    [type9]="Invalid file type in file index."
    [beyond]="The embedded file instructions.txt (offset $(stat -c %s "$stub"), length 4294967295) lies beyond the end of the launcher file."
  )
  local bad
  for bad in truncated type9 beyond; do
    chmod +x "$dir/$bad$ext"
    launch "$dir/$bad$ext" -vd:log "$(log_arg "$dir/$bad.log")"
    expect_eq 255 "$rc" "$name: $bad exit code"
    expect_contains "$(tr -d '\r' <"$dir/$bad.log")" \
      "ERROR: Unable to load the launcher file index. ${messages[$bad]}" "$name: $bad log"
  done

  # Entry names from a hand-made archive that would leave the target directory.
  local unsafe
  for unsafe in '..' 'a/b' '../escape'; do
    local made="$dir/unsafe$ext"
    local placeholder=${unsafe//[.\/]/Z}
    "$VD_PACK" build --stub "$stub" --out "$made" --file "3:1:$payload/Verify.jar:$placeholder" \
      --file "0:0:$payload/instructions.txt"
    patch "$made" $(($(index_offset "$made") + 4 + 15)) "$unsafe"
    rm -rf "$dir/target" && mkdir -p "$dir/target/cwd"
    in_dir "$dir/target/cwd" launch "$made" -vd:log "$(log_arg "$dir/unsafe.log")" -vd:extract
    expect_eq 255 "$rc" "$name: unsafe name $unsafe exit code"
    expect_contains "$(tr -d '\r' <"$dir/unsafe.log")" \
      "ERROR: Unable to extract embedded files from the launcher. Invalid embedded file name \"$unsafe\"" \
      "$name: unsafe name $unsafe log"
    expect_eq "cwd" "$(ls "$dir/target")" "$name: $unsafe wrote outside the directory"
    expect_eq "" "$(ls "$dir/target/cwd")" "$name: $unsafe wrote files"
  done
}

launch() { run "$1" -vd:silent "${@:2}"; }
log_arg() { echo "$1"; }
check_flavour native "$VD_LAUNCHER" ""

# vdpack refuses names the launcher would refuse.
for name in 'a/b' 'a\b' '..'; do
  run "$VD_PACK" build --stub "$VD_LAUNCHER" --out "$VD_TMP/refused" --file "3:1:$payload/Verify.jar:$name"
  expect_eq 2 "$rc" "vdpack refuses the name $name"
done
[ ! -e "$VD_TMP/refused" ] || fail "vdpack wrote a refused archive"

if have_wine; then
  launch() { run wine_run "$1" -vd:silent "${@:2}"; }
  log_arg() { winpath "$1"; }
  check_flavour wine "$VD_WIN64_DIR/src/vdlauncher.exe" ".exe"
fi
echo "archive: ok"
