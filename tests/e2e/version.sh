# -vd:version answers without running anything; a missing -vd:log value is result -1.
source "$(dirname "$0")/lib.sh"

run "$VD_LAUNCHER" -vd:version
expect_eq 0 "$rc" "native -vd:version exit code"
out=$("$VD_LAUNCHER" -vd:version 2>&1)
expect_contains "$out" "2.52" "native -vd:version text"
out=$("$VD_LAUNCHER" -vd:silent -vd:version 2>&1)
expect_eq "" "$out" "silent -vd:version prints nothing"

if have_wine; then
  run wine_run "$VD_WIN64_DIR/src/vdlauncher.exe" -vd:silent -vd:version
  expect_eq 0 "$rc" "wine -vd:version exit code"
fi

if have_wine; then
  # The version box: read and answered by a helper that runs beside the launcher.
  box="$VD_WIN64_DIR/tests/support/boxwatch.exe"
  wine_run "$box" 30 > "$VD_TMP/box.txt" &
  watcher=$!
  sleep 1
  run wine_run "$VD_WIN64_DIR/src/vdlauncher.exe" -vd:version
  wait $watcher || fail "no version box appeared"
  expect_eq 0 "$rc" "wine -vd:version with box exit code"
  expect_contains "$(cat "$VD_TMP/box.txt")" "2.52" "wine version box text"

  # A missing -vd:log value is result -1 and the log still works for later records.
  run wine_run "$VD_WIN64_DIR/src/vdlauncher.exe" -vd:silent -vd:version -vd:log
  expect_eq 255 "$rc" "wine -vd:log without value"
fi
