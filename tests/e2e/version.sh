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
