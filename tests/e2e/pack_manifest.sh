# vdpack build from a manifest, list and extract; the packed launcher runs natively: its
# program launches a stand-in "java" that reads the embedded application archive.
source "$(dirname "$0")/lib.sh"

project="$VD_TMP/my project"
mkdir -p "$project/payload" "$project/jdk/bin"
out="$VD_TMP/out.txt"
printf '#!/bin/sh\n{ echo "args: $*"; cat "$1"; } > "%s"\nexit 7\n' "$out" > "$project/jdk/bin/java"
chmod +x "$project/jdk/bin/java"
printf 'DESC: Stand-in\nJVM_HOME: %s\nJVM_EXE: bin/java\n' "$project/jdk" > "$project/app.jvm"
printf 'COMMAND: """@JVM_HOME@/@JVM_EXE@"" %%APPLICATION_ARCHIVE%%() Main "\n' > "$project/payload/launch.txt"
printf 'INSTRUCTIONS:\nLAUNCH "%s" 0\n/:\n' "$project/app.jvm" > "$project/payload/program.txt"
echo "the application" > "$project/payload/app.jar"
head -c 70000 /dev/urandom > "$project/payload/setup bin"

# Paths relative to the manifest's directory, a quoted path with a blank, a name of its own,
# a compressed package; the stub by path (the e2e build's launcher).
cat > "$project/app.tag" <<TAG
STUB: $VD_LAUNCHER
KIND: 2
OUT: dist/app
FILES:
  Instructions 0 payload/program.txt instructions.txt
  LaunchScriptFile 2 payload/launch.txt
  4 3 "payload/setup bin" setup.exe compressed=12:400000
  ApplicationArchive 6 payload/app.jar
/:
TAG
mkdir -p "$project/dist"
run "$VD_PACK" build "$project/app.tag"
expect_eq 0 "$rc" "build from the manifest"
app="$project/dist/app"
[ -x "$app" ] || fail "the packed launcher is not executable"

stub_size=$(stat -c %s "$VD_LAUNCHER")
listing=$("$VD_PACK" list "$app")
expected="0 Instructions id=0 length=$(stat -c %s "$project/payload/program.txt") offset=$stub_size name=instructions.txt"
expect_eq "$expected" "$(head -n 1 <<<"$listing")" "first entry"
expect_contains "$listing" "4 JvmInstaller id=3 length=70000 " "installer entry"
expect_contains "$listing" " compressed=12:400000 name=setup.exe" "installer size and name"
expect_eq 4 "$(wc -l <<<"$listing")" "entries listed"
expect_eq 2 "$(od -An -tu1 -j $(($(stat -c %s "$app") - 9)) -N1 "$app" | tr -d ' ')" "kind byte"

# extract writes every entry by its name into a directory it creates.
run "$VD_PACK" extract "$app" "$VD_TMP/extracted"
expect_eq 0 "$rc" "extract"
expect_eq "app.jar
instructions.txt
launch.txt
setup.exe" "$(ls "$VD_TMP/extracted")" "extracted names"
cmp -s "$project/payload/setup bin" "$VD_TMP/extracted/setup.exe" || fail "extracted setup.exe differs"
cmp -s "$project/payload/program.txt" "$VD_TMP/extracted/instructions.txt" || fail "extracted program differs"

# The packed launcher runs: LAUNCH starts the stand-in with the extracted application archive.
run "$app" -vd:silent
expect_eq 7 "$rc" "the application's exit code"
expect_contains "$(cat "$out")" "the application" "the embedded application archive reached the child"
expect_contains "$(cat "$out")" " Main" "the launch script's arguments"

# Options after the manifest replace its values; a manifest error names its line.
run "$VD_PACK" build "$project/app.tag" --kind 0 --out "$VD_TMP/kind0"
expect_eq 0 "$(od -An -tu1 -j $(($(stat -c %s "$VD_TMP/kind0") - 9)) -N1 "$VD_TMP/kind0" | tr -d ' ')" "--kind overrides KIND"
printf 'STUB: linux\nOUT: x\nFILES:\n  JvmFile 1 payload/launch.txt\n  JvmFile 1 payload/app.jar\n/:\n' > "$project/bad.tag"
err=$("$VD_PACK" build "$project/bad.tag" 2>&1) && fail "a duplicate id was accepted"
expect_eq "vdpack: $project/bad.tag:5: the file id 1 is used again (first on line 4)" "$err" "duplicate id message"
run "$VD_PACK" build "$project/bad.tag"
expect_eq 2 "$rc" "manifest error exit code"

# The stub name of vdpack's own platform finds the launcher built beside it.
printf 'STUB: linux\nOUT: named\nFILES:\n  Instructions 0 payload/program.txt\n/:\n' > "$project/named.tag"
run "$VD_PACK" build "$project/named.tag"
expect_eq 0 "$rc" "STUB: linux in the build tree"
cmp -s -n "$stub_size" "$VD_LAUNCHER" "$project/named" || fail "STUB: linux is not the built launcher"
VDPACK_STUBS="$VD_TMP/nowhere" run "$VD_PACK" build "$project/named.tag"
expect_eq 2 "$rc" "a stub name not found"

# extract refuses a name that would leave the directory, before writing anything.
"$VD_PACK" build --stub "$VD_LAUNCHER" --out "$VD_TMP/unsafe" --file "3:1:$project/payload/app.jar:ZZ" \
  --file "3:2:$project/payload/app.jar:second"
offset=$(stat -c %s "$VD_LAUNCHER")
index=$((offset + 2 * $(stat -c %s "$project/payload/app.jar")))
printf '..' | dd of="$VD_TMP/unsafe" bs=1 seek=$((index + 4 + 15)) conv=notrunc status=none
run "$VD_PACK" extract "$VD_TMP/unsafe" "$VD_TMP/unsafe-out"
expect_eq 1 "$rc" "extract of an unsafe name"
[ ! -e "$VD_TMP/unsafe-out" ] || fail "extract wrote something for an unsafe archive"
echo "pack_manifest: ok"
