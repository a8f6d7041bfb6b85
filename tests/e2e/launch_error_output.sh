# Under Wine: the application's exit code becomes the launcher's, and a failed run shows what
# the application wrote to standard error, except a result of 1000 from a launcher of kind 0
# or 2 (the application has told the user already) and a result of 0.
source "$(dirname "$0")/lib.sh"

have_wine || exit 0

support="$VD_WIN64_DIR/tests/support"
dir="$VD_TMP/app"
mkdir -p "$dir/jdk/bin"
cp "$support/fake_java.exe" "$dir/jdk/bin/java.exe"
printf 'java.version=1.8.0_99\nfake.stderr=Exception in thread "main" java.lang.Error: broken\n' \
  > "$dir/jdk/bin/java.properties"
printf 'DESC: Stand-in\nJVM_HOME: %s\nJVM_EXE: bin\\java.exe\n' "$(winpath "$dir/jdk")" > "$dir/app.jvm"
printf 'COMMAND: """@JVM_HOME@\\@JVM_EXE@"" Main "\n' > "$dir/launch.txt"
printf 'INSTRUCTIONS:\nLAUNCH "%s" 0\n/:\n' "$(winpath "$dir/app.jvm")" > "$dir/program.txt"
for kind in 0 1 2; do
  "$VD_PACK" build --stub "$VD_WIN64_DIR/src/vdlauncher.exe" --out "$dir/kind$kind.exe" \
    --kind "$kind" --file "0:0:$dir/program.txt" --file "2:2:$dir/launch.txt" > /dev/null \
    || fail "vdpack kind $kind"
done

# Runs the launcher of KIND with the application exiting with CODE; $box holds what the
# message box showed ("no message box" when none came while the launcher ran).
run_app() {  # kind code
  wine_run "$support/dialogwatch.exe" --box 8 > "$VD_TMP/box.txt" &
  local watcher=$!
  FAKE_JAVA_EXIT=$2 run wine_run "$dir/kind$1.exe"
  wait $watcher || true
  box=$(tr -d '\r' < "$VD_TMP/box.txt")
}

shown=$(printf 'caption: Vandrel Wizard\nException in thread "main" java.lang.Error: broken')
# kind, application exit code, launcher exit code as the shell sees it, box shown
cases=(
  "1 42 42 yes"
  "0 42 42 yes"
  "0 0 0 no"
  "1 0 0 no"
  "0 1000 232 no"
  "2 1000 232 no"
  "1 1000 232 yes"
  "0 -1 255 yes"
)
for c in "${cases[@]}"; do
  read -r kind code expected want <<<"$c"
  run_app "$kind" "$code"
  expect_eq "$expected" "$rc" "kind $kind, application exit $code: exit code"
  if [ "$want" = yes ]; then
    expect_eq "$shown" "$box" "kind $kind, application exit $code: standard error shown"
  else
    expect_eq "no message box" "$box" "kind $kind, application exit $code: nothing shown"
  fi
done

# Silent mode shows nothing, and the exit code still passes.
FAKE_JAVA_EXIT=42 run wine_run "$dir/kind1.exe" -vd:silent
expect_eq 42 "$rc" "silent run: exit code"
