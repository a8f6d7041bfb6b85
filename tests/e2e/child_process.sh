# The Windows child-process runner under Wine, driven by run_command_probe (which is also the
# child): exit codes including 259 and negative ones, capture of both streams beyond the
# output bound, working directory, start failures and runs that are not waited for.
source "$(dirname "$0")/lib.sh"

if ! have_wine; then
  echo "skipped: no Windows build or no Wine"
  exit 0
fi

probe="$VD_WIN64_DIR/tests/support/run_command_probe.exe"
child="$(winpath "$probe") child"
out="$VD_TMP/out.txt"
err="$VD_TMP/err.txt"

capture() {  # directory command
  wine_run "$probe" capture "$(winpath "$out")" "$(winpath "$err")" "$1" "$2" | tr -d '\r' || true
}
plain() {  # mode command
  wine_run "$probe" "$1" - "$2" | tr -d '\r' || true
}

# A child that really ends with 259 ("still active") must not keep the runner polling.
for code in 0 3 259 -1 -1073741819; do
  expect_eq "exit=$code" "$(capture - "$child exit $code")" "captured exit code $code"
  expect_eq "exit=$code" "$(plain plain "$child exit $code")" "plain exit code $code"
done

# Both streams, with standard output beyond the bound: its beginning and end are kept.
expect_eq "exit=0" "$(capture - "$child spew 5000000")" "spewing child"
expect_eq "err" "$(cat "$err")" "captured standard error"
kept=$((2 * 2097152))
marker="[... $((5000003 - kept)) bytes of output left out ...]"
expect_eq $((kept + ${#marker} + 2)) "$(wc -c < "$out")" "captured standard output size"
expect_eq "oooEND" "$(tail -c 6 "$out")" "end of captured standard output"
expect_eq "$marker" "$(head -c $((kept / 2 + ${#marker} + 1)) "$out" | tail -c ${#marker})" \
  "marker in captured standard output"

mkdir -p "$VD_TMP/work dir"
expect_eq "exit=0" "$(capture "$(winpath "$VD_TMP/work dir")" "$child cwd")" "child in a directory"
expect_eq "$(winpath "$VD_TMP/work dir")" "$(cat "$out")" "working directory of the child"

result=$(capture - "Z:\\no\\such\\program.exe")
expect_contains "$result" "error=CreateProcess failed  ==>  " "captured start failure"
result=$(wine_run "$probe" plain "Z:\\no\\such\\dir" "$child exit 0" | tr -d '\r' || true)
expect_contains "$result" "error=CreateProcess failed  ==>  " "missing working directory"

# Not waiting returns 0 at once, whatever the child will return.
expect_eq "exit=0" "$(plain nowait "$child exit 9")" "run without waiting"
echo "child_process: all checks passed"
