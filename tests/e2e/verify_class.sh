# The verification class with the real JDK, and the stand-in java.exe that the Wine tests use
# in its place: both answer with the magic line and one line per property asked for.
source "$(dirname "$0")/lib.sh"

jar="$VD_JAVA_DIR/Verify.jar"
if [ -f "$jar" ] && command -v java >/dev/null; then
  mapfile -t lines < <(timeout 60 java -cp "$jar" Verify java.version vd.no.such.property \
                         line.separator java.specification.version)
  expect_eq 5 "${#lines[@]}" "Verify line count"
  expect_eq 1739021872 "${lines[0]}" "Verify magic line"
  [[ "${lines[1]}" =~ ^[0-9] ]] || fail "java.version: [${lines[1]}]"
  expect_eq "" "${lines[2]}" "a missing property is an empty line"
  expect_eq "" "${lines[3]}" "line breaks in a value are left out"
  expect_contains "${lines[1]}" "${lines[4]}" "java.specification.version after java.version"
  expect_eq 1739021872 "$(timeout 60 java -cp "$jar" Verify)" "Verify without properties"
else
  echo "skipped the real JDK: no Verify.jar or no java"
fi

if have_wine; then
  home="$VD_TMP/jvm home"
  mkdir -p "$home/bin"
  cp "$VD_WIN64_DIR/tests/support/fake_java.exe" "$home/bin/java.exe"
  printf 'java.version=1.8.0_99\r\njava.vendor=Test Vendor\n# a comment\nfake.exit=259\nfake.stderr=boom\n' \
    > "$home/bin/java.properties"
  java_exe="$home/bin/java.exe"

  run wine_run "$java_exe" -cp '"C:\a b\Verify.jar"' -Dx=1 Verify java.version missing java.vendor >/dev/null
  expect_eq 0 "$rc" "stand-in Verify exit code"
  out=$(wine_run "$java_exe" -cp 'C:\a b' Verify java.version missing java.vendor | tr -d '\r')
  expect_eq $'1739021872\n1.8.0_99\n\nTest Vendor' "$out" "stand-in Verify output"

  run wine_run "$java_exe" -classpath x App one two >/dev/null 2>&1
  expect_eq $((259 % 256)) "$rc" "stand-in exit code from its side file"
  out=$(JAVA_HOME='C:\jh' wine_run "$java_exe" -classpath x App one two 2>"$VD_TMP/err" | tr -d '\r' || true)
  expect_contains "$out" "-classpath x App one two" "stand-in prints its command line"
  expect_contains "$out" 'JAVA_HOME=C:\jh' "stand-in prints JAVA_HOME"
  expect_eq "boom" "$(tr -d '\r' < "$VD_TMP/err")" "stand-in standard error"
  FAKE_JAVA_EXIT=-1 run wine_run "$java_exe" App >/dev/null 2>&1
  expect_eq 255 "$rc" "FAKE_JAVA_EXIT overrides the side file"

  # Captured by the Windows runner, as a verification reads it.
  probe="$VD_WIN64_DIR/tests/support/run_command_probe.exe"
  result=$(wine_run "$probe" capture "$(winpath "$VD_TMP/out")" "$(winpath "$VD_TMP/err")" - \
             "\"$(winpath "$java_exe")\" -cp x Verify java.vendor" | tr -d '\r')
  expect_eq "exit=0" "$result" "stand-in Verify through runCommand"
  expect_eq $'1739021872\nTest Vendor' "$(tr -d '\r' < "$VD_TMP/out")" "captured Verify output"
  result=$(wine_run "$probe" capture "$(winpath "$VD_TMP/out")" "$(winpath "$VD_TMP/err")" - \
             "\"$(winpath "$java_exe")\" App" | tr -d '\r')
  expect_eq "exit=259" "$result" "stand-in exit code 259 through runCommand"
  expect_eq "boom" "$(tr -d '\r' < "$VD_TMP/err")" "captured stand-in standard error"
fi
echo "verify_class: all checks passed"
