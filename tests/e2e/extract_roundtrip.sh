# -vd:extract writes every embedded file and input.tag; -vd:in input.tag in that directory then
# reproduces the run from the loose files: same exit code, same log error line.
source "$(dirname "$0")/lib.sh"

printf 'INSTRUCTIONS:\n  SET S1 = "ok"\n  SET N1 = abc\n/:\n' > "$VD_TMP/program.txt"
printf 'JVM_EXE: bin/java\nDESC: any\n' > "$VD_TMP/jvm.txt"
"$VD_PACK" build --stub "$VD_LAUNCHER" --out "$VD_TMP/app" \
  --file "0:0:$VD_TMP/program.txt:program.txt" --file "1:1:$VD_TMP/jvm.txt:jvm.txt" >/dev/null
expected="ERROR: Error in instructions. Invalid value specified for SET command Invalid numeric expression in abc Line number (2)"

run "$VD_TMP/app" -vd:silent -vd:log "$VD_TMP/packed.log"
expect_eq 255 "$rc" "packed run exit code"
expect_eq "$expected" "$(grep '^ERROR' "$VD_TMP/packed.log")" "packed run error line"

mkdir "$VD_TMP/out"
(cd "$VD_TMP/out" && "$VD_TMP/app" -vd:silent -vd:extract) || fail "extract mode"
[ -f "$VD_TMP/out/program.txt" ] && [ -f "$VD_TMP/out/jvm.txt" ] || fail "extracted files missing"
expect_contains "$(cat "$VD_TMP/out/input.tag")" "INSTRUCTIONS:  program.txt" "input.tag names the program"

cd "$VD_TMP/out"
run "$VD_LAUNCHER" -vd:silent -vd:in input.tag -vd:log "$VD_TMP/loose.log"
expect_eq 255 "$rc" "loose run exit code"
expect_eq "$expected" "$(grep '^ERROR' "$VD_TMP/loose.log")" "loose run error line"
