# Temporary files leave nothing behind, and a launcher started with -vd:orig removes its own
# file and directory once it has exited.
source "$(dirname "$0")/lib.sh"

# Every entry below a directory with its type, mode, size, time and content.
snapshot() {
  (cd "$1" && find . -mindepth 1 -printf '%y %m %s %T@ %p\n' | sort &&
    find . -type f -exec md5sum {} + | sort)
}

# A temporary directory of the test's own, holding things that must survive every run.
make_tempdir() {
  mkdir -p "$1/sub"
  echo keep > "$1/keep.txt"
  echo older > "$1/LRE0001.tmp"
  echo inner > "$1/sub/inner.txt"
  echo locked > "$1/readonly.txt"
  chmod 444 "$1/readonly.txt"
}

# Polls for up to $1 seconds until the command succeeds.
wait_until() {
  local seconds=$1
  shift
  for ((i = 0; i < seconds * 10; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

gone() { [ ! -e "$1" ]; }
no_batch_in() { ! compgen -G "$1/*.bat" >/dev/null; }

wine_rc() {
  set +e
  wine_run "$@"
  rc=$?
  set -e
}

# The runs whose -vd:tempdir must be left exactly as it was: what, expected exit code, then the
# arguments; TEMPDIR stands for the directory.
native_cases=(
  "failure|255|-vd:silent -vd:tempdir TEMPDIR"
  "version|0|-vd:silent -vd:tempdir TEMPDIR -vd:version"
)

check_tempdir_untouched() {  # runner tempdir-as-argument case...
  local runner=$1 dir_arg=$2
  shift 2
  local tempdir="$VD_TMP/tempdir"
  for entry in "$@"; do
    IFS='|' read -r what expected args <<<"$entry"
    rm -rf "$tempdir"
    make_tempdir "$tempdir"
    local before
    before=$(snapshot "$tempdir")
    # shellcheck disable=SC2086
    $runner ${args//TEMPDIR/$dir_arg}
    expect_eq "$expected" "$rc" "$what: exit code"
    expect_eq "$before" "$(snapshot "$tempdir")" "$what: temporary directory after the run"
  done
}

native_run() { run "$VD_LAUNCHER" "$@"; }
check_tempdir_untouched native_run "$VD_TMP/tempdir" "${native_cases[@]}"

# Native: the launcher's own file and directory are removed at exit, nothing else.
self_dir="$VD_TMP/outer/x y"
mkdir -p "$self_dir"
cp "$VD_LAUNCHER" "$self_dir/setup"
rm -rf "$VD_TMP/tempdir" && make_tempdir "$VD_TMP/tempdir"
before=$(snapshot "$VD_TMP/tempdir")
run "$self_dir/setup" -vd:silent -vd:tempdir "$VD_TMP/tempdir" -vd:orig "$self_dir/setup" -vd:version
expect_eq 0 "$rc" "native self-removal exit code"
gone "$self_dir" || fail "native launcher directory still there"
[ -d "$VD_TMP/outer" ] || fail "native self-removal went above the launcher's directory"
expect_eq "$before" "$(snapshot "$VD_TMP/tempdir")" "native self-removal temporary directory"

have_wine || exit 0

exe="$VD_WIN64_DIR/src/vdlauncher.exe"
wine_cases=(
  "wine failure|255|$exe -vd:silent -vd:tempdir TEMPDIR"
  "wine version|0|$exe -vd:silent -vd:tempdir TEMPDIR -vd:version"
)
check_tempdir_untouched wine_rc "$(winpath "$VD_TMP/tempdir")" "${wine_cases[@]}"

# Runs the Windows launcher at $1 with -vd:orig naming itself, the temporary directory
# $tempdir and the debug log $debug.
wine_self_removal() {
  set +e
  DBGWIN32KRT=$(winpath "$debug") wine_run "$1" -vd:silent -vd:tempdir "$(winpath "$tempdir")" \
    -vd:orig "$(winpath "$1")" -vd:version
  rc=$?
  set -e
}

# Wine: the hidden batch file removes the launcher, then its directory, then itself. The
# directory name holds what cmd.exe would otherwise read as variables and command separators.
self_dir="$VD_TMP/w%1&b%PATH%/x y"
mkdir -p "$self_dir"
cp "$exe" "$self_dir/setup.exe"
tempdir="$VD_TMP/tempdir"
rm -rf "$tempdir" && make_tempdir "$tempdir"
before=$(snapshot "$tempdir")
debug="$VD_TMP/debug.txt"
wine_self_removal "$self_dir/setup.exe"
expect_eq 0 "$rc" "wine self-removal exit code"
wait_until 30 gone "$self_dir" || fail "wine launcher directory still there: $(ls -la "$self_dir")"
wait_until 30 no_batch_in "$tempdir" || fail "the batch file did not remove itself"
[ -d "$VD_TMP/w%1&b%PATH%" ] || fail "wine self-removal went above the launcher's directory"
expect_eq "$before" "$(snapshot "$tempdir")" "wine self-removal temporary directory"
expect_contains "$(cat "$debug")" "Launcher: Cleanup batch file called: " "debug trace of the batch"
expect_contains "$(cat "$debug")" "Deleting $(winpath "$self_dir/setup.exe") from within batch file." \
  "the batch's own trace"

# Wine: a launcher file that cannot be removed (another process holds it) is tried for about a
# minute; then the batch file gives up and still removes itself.
held_dir="$VD_TMP/held"
mkdir -p "$held_dir"
cp "$exe" "$held_dir/setup.exe"
rm -rf "$tempdir" && make_tempdir "$tempdir"
before=$(snapshot "$tempdir")
rm -f "$debug"
WINEPREFIX="$VD_WINEPREFIX" WINEDEBUG=-all timeout 200 wine cmd /c \
  "ping -n 180 127.0.0.1 >nul <$(winpath "$held_dir/setup.exe")" &
holder=$!
sleep 2
wine_self_removal "$held_dir/setup.exe"
expect_eq 0 "$rc" "held launcher exit code"
finished=0
wait_until 150 no_batch_in "$tempdir" && finished=1
[ -e "$held_dir/setup.exe" ] || fail "the held launcher file was removed"
kill "$holder" 2>/dev/null || true
wait "$holder" 2>/dev/null || true
expect_eq 1 "$finished" "the batch file for a held launcher ended"
expect_eq 60 "$(grep -c "^Deleting " "$debug" || true)" "tries of the batch file"
expect_eq "$before" "$(snapshot "$tempdir")" "held launcher temporary directory"
echo "cleanup: all checks passed"
