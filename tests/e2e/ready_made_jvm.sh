# The ready-made jvm files of share/jvm: each loads through the launcher's own parser, each of
# their hints is followed to a JVM of the right version (and only of that version), and the
# file for this machine's JDK finds it where the distribution put it, under /usr/lib/jvm.
# Under Wine, the Windows files' registry hints find a JVM through the values the vendors'
# installers write, and their path hints find one on another drive.
source "$(dirname "$0")/lib.sh"

share="$VD_SOURCE_DIR/share/jvm"
verify_jar="$VD_JAVA_DIR/Verify.jar"
[ -f "$verify_jar" ] || { echo "skipped: no Verify.jar"; exit 0; }
versions=(11 17 21)

# The values of a block tag of a jvm file, one a line.
block_values() {  # file tag
  tr -d '\r' < "$1" | sed -n "/^$2:\$/,/^\/:\$/p" | sed '1d;$d'
}

# Runs an input-file action of the native launcher; $out holds its output, $rc its exit code.
native_search() {  # jvm-file [action]
  printf '%s\n' "ACTION: ${2:-SEARCH}" "JVM: $1" "VERIFY_CLASSPATH: $verify_jar" \
    "VERIFY_CLASS_NAME: Verify" "LOGFILE: $VD_TMP/native.log" > "$VD_TMP/search.in"
  set +e
  out=$(timeout 120 "$VD_LAUNCHER" -vd:silent -vd:in "$VD_TMP/search.in" 2> "$VD_TMP/err")
  rc=$?
  set -e
}

# A stand-in JVM home whose bin/java passes verification as Java $2.
posix_jvm() {  # home version
  mkdir -p "$1/bin"
  printf '#!/bin/sh\necho 1739021872\necho %s\n' "$2" > "$1/bin/java"
  chmod +x "$1/bin/java"
}

# --- every file parses; the Windows ones find nothing here ------------------------------------
mkdir -p "$VD_TMP/empty"
for file in "$share"/windows/*.jvm "$share"/linux/*.jvm; do
  VD_TEST_DRIVE_ROOTS="$VD_TMP/empty" native_search "$file"
  expect_eq 0 "$rc" "$(basename "$(dirname "$file")")/$(basename "$file") loads: $(cat "$VD_TMP/err")"
  expect_eq 0 "$out" "$file finds nothing on an empty drive"
done
for version in "${versions[@]}"; do
  for os in windows linux; do
    [ -f "$share/$os/java$version.jvm" ] || fail "no $os/java$version.jvm"
    expect_eq "java.specification.version=$version" \
      "$(tr -d '\r' < "$share/$os/java$version.jvm" | sed -n 's/^JVM_PROPERTIES: *//p')" \
      "$os/java$version.jvm checks the version"
  done
done

# --- each Linux path hint, on a drive of its own: the right version only ----------------------
for version in "${versions[@]}"; do
  file="$share/linux/java$version.jvm"
  other=$([ "$version" = 17 ] && echo 21 || echo 17)
  rejected=
  while IFS= read -r hint; do
    drive="$VD_TMP/drive$version"
    rm -rf "$drive"
    if [ -z "${rejected:-}" ]; then  # once per file: another version is not taken
      posix_jvm "$drive$hint" "$other"
      VD_TEST_DRIVE_ROOTS=$drive native_search "$file"
      expect_eq 0 "$out" "java$version.jvm rejects Java $other at $hint"
      rejected=1
    fi
    posix_jvm "$drive$hint" "$version"
    VD_TEST_DRIVE_ROOTS=$drive native_search "$file"
    expect_eq "1" "$(head -1 <<<"$out")" "java$version.jvm hint $hint: $out"
    expect_eq "$drive$hint" "$(sed -n 2p <<<"$out")" "java$version.jvm home by $hint"
    rm -f "$(sed -n 3p <<<"$out")"
  done < <(block_values "$file" PATH_HINT)
done

# --- this machine's JDK, found where its package put it ---------------------------------------
if command -v java >/dev/null; then
  jdk=$(dirname "$(dirname "$(readlink -f "$(command -v java)")")")
  version=$(java -XshowSettings:properties -version 2>&1 |
            sed -n 's/^ *java.specification.version = //p')
  file="$share/linux/java$version.jvm"
  if [[ "$jdk" == /usr/lib/jvm/* ]] && [ -f "$file" ]; then
    native_search "$file"
    expect_eq 1 "$(head -1 <<<"$out")" "java$version.jvm finds the machine's JDK: $out"
    expect_eq "$jdk" "$(readlink -f "$(sed -n 2p <<<"$out")")" "the machine's JDK home"
    rm -f "$(sed -n 3p <<<"$out")"
    grep -qF "Found matching JVM at /usr/lib/jvm/" "$VD_TMP/native.log" || fail "not by a hint"
  else
    echo "no check of the machine's JDK: $jdk, Java $version"
  fi
fi

have_wine || { echo "ready_made_jvm: native checks passed (no Wine)"; exit 0; }

# --- Windows files under Wine: a copy of the prefix, D: a drive of the test's own -------------
support="$VD_WIN64_DIR/tests/support"
launcher="$VD_WIN64_DIR/src/vdlauncher.exe"
prefix="$VD_TMP/prefix"
scan="$VD_TMP/scan"
cp -a "$VD_WINEPREFIX" "$prefix"
VD_WINEPREFIX=$prefix
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$VD_TMP"' EXIT
mkdir -p "$scan"
ln -sfn "$scan" "$prefix/dosdevices/d:"
cp "$verify_jar" "$VD_TMP/Verify.jar"
reg() { WINEPREFIX="$prefix" WINEDEBUG=-all timeout 60 wine reg "$@" >/dev/null 2>&1; }

win_jvm() {  # host-home version
  mkdir -p "$1/bin"
  cp "$support/fake_java.exe" "$1/bin/java.exe"
  printf 'java.specification.version=%s\n' "$2" > "$1/bin/java.properties"
}
wine_search() {  # jvm-file
  printf '%s\r\n' "ACTION: SEARCH" "JVM: $(winpath "$1")" \
    "VERIFY_CLASSPATH: $(winpath "$VD_TMP/Verify.jar")" "VERIFY_CLASS_NAME: Verify" \
    > "$VD_TMP/wine.in"
  run wine_run "$launcher" -vd:silent -vd:in "$(winpath "$VD_TMP/wine.in")"
}
search_out() {  # jvm-file → $out
  out=$(wine_search "$1" | tr -d '\r')
}

for version in "${versions[@]}"; do
  file="$share/windows/java$version.jvm"
  other=$([ "$version" = 17 ] && echo 21 || echo 17)
  # Registry: each hint's value names the home; the key is removed again after the search.
  while IFS= read -r hint; do
    hint=${hint#\\}
    key=${hint%\\*} value=${hint##*\\}
    home="$VD_TMP/reg$version"
    rm -rf "$home"
    win_jvm "$home" "$other"
    reg add "$key" /v "$value" /d "$(winpath "$home")" /f || fail "reg add $key"
    search_out "$file"
    expect_eq 0 "$out" "java$version.jvm rejects Java $other through $hint"
    win_jvm "$home" "$version"
    search_out "$file"
    reg delete "$key" /v "$value" /f || true
    expect_eq 1 "$(head -1 <<<"$out")" "java$version.jvm registry hint $hint: $out"
    expect_eq "$(winpath "$home")" "$(sed -n 2p <<<"$out")" "home through $hint"
  done < <(block_values "$file" PLATFORM_HINT)
  # Path hints: tried on every drive, here found on D:.
  while IFS= read -r hint; do
    rm -rf "${scan:?}"/*
    win_jvm "$scan${hint//\\//}" "$version"
    search_out "$file"
    expect_eq 1 "$(head -1 <<<"$out")" "java$version.jvm path hint $hint: $out"
    expect_eq "D:$hint" "$(sed -n 2p <<<"$out")" "home by path hint $hint"
  done < <(block_values "$file" PATH_HINT | tr -d '\r')
done

echo "ready_made_jvm: all checks passed"
