# Instruction programs run through the launcher: the exit code and the log's error line, with
# the program given by an input file (-vd:in) and, once vdpack is built, embedded in a launcher.
source "$(dirname "$0")/lib.sh"

# Writes $VD_TMP/NAME.tag holding the INSTRUCTIONS block read from stdin.
write_program() {  # name
  { echo "INSTRUCTIONS:"; cat; echo "/:"; } > "$VD_TMP/$1.tag"
}

# Writes the input file that runs program NAME and logs to $VD_TMP/NAME.log. The paths are
# given through `pathof` (the host path, or the path as Wine sees it).
write_input() {  # name pathof
  local name=$1 pathof=$2
  {
    echo "ACTION: RUN_INSTRUCTIONS"
    echo "INSTRUCTIONS: $($pathof "$VD_TMP/$name.tag")"
    echo "LOGFILE: $($pathof "$VD_TMP/$name.log")"
  } > "$VD_TMP/$name.in"
  rm -f "$VD_TMP/$name.log"
}

hostpath() { echo "$1"; }

# The log's error lines (empty when there is none).
error_lines() {  # name
  if [ -f "$VD_TMP/$1.log" ]; then grep '^ERROR: ' "$VD_TMP/$1.log" | tr -d '\r' || true; fi
}

# Runs program NAME with the native launcher and checks its exit code and error line.
check_native() {  # name expected-rc expected-error-line
  write_input "$1" hostpath
  run "$VD_LAUNCHER" -vd:silent -vd:in "$VD_TMP/$1.in"
  expect_eq "$2" "$rc" "$1: native exit code"
  expect_eq "$3" "$(error_lines "$1")" "$1: native error line"
}

check_wine() {  # name expected-rc expected-error-line
  write_input "$1" winpath
  run wine_run "$VD_WIN64_DIR/src/vdlauncher.exe" -vd:silent -vd:in "$(winpath "$VD_TMP/$1.in")"
  expect_eq "$2" "$rc" "$1: wine exit code"
  expect_eq "$3" "$(error_lines "$1")" "$1: wine error line"
}

# Packs program NAME as the Instructions entry of a launcher made from STUB and runs it with
# the log named on the command line.
check_packed() {  # name expected-rc expected-error-line stub out [wine]
  local name=$1 stub=$4 out=$5 log
  "$VD_PACK" build --stub "$stub" --out "$out" --file "0:0:$VD_TMP/$name.tag:instructions.txt" \
    > /dev/null || fail "$name: vdpack build"
  chmod +x "$out"
  rm -f "$VD_TMP/$name.log"
  if [ "${6:-}" = wine ]; then
    run wine_run "$out" -vd:silent -vd:log "$(winpath "$VD_TMP/$name.log")"
  else
    run "$out" -vd:silent -vd:log "$VD_TMP/$name.log"
  fi
  expect_eq "$2" "$rc" "$name: packed ${6:-native} exit code"
  expect_eq "$3" "$(error_lines "$name")" "$name: packed ${6:-native} error line"
}

# name, expected exit code, expected error line; the program comes from the here-documents
# below, in the same order.
CASES=()
add_case() { CASES+=("$1|$2|$3"); write_program "$1"; }

add_case flow 0 "" <<'P'
SET N2 = 2
:LOOP
// counts N2 down to 0 through N1
JMP0 @N2@ END
SET N1 = @N2@
SET S1 = "@N1@"
JMP0 0 DEC@S1@
:DEC2
SET N2 = 1
GOTO LOOP
:DEC1
SET N2 = 0
GOTO LOOP
:END
P

add_case empty_last_label 0 "" <<'P'
GOTO DONE
BOGUS
:DONE
P

add_case invalid_command 255 "ERROR: Error in instructions. Invalid command (BOGUS).  Line number (2)" <<'P'
SET N1 = 1

BOGUS 1 2
P

add_case install_mode 255 "ERROR: Error in instructions. Invalid numeric expression (x) Line number (2)" <<'P'
// comment lines count, blank lines do not

INSTALL_JVM x
P

add_case lower_case 255 "ERROR: Error in instructions. Invalid command (find_jvm).  Line number (1)" <<'P'
find_jvm 1 1
P

add_case label_missing 255 "ERROR: Error in instructions. Label not found (NOWHERE) Line number (3)" <<'P'
JMP0 1 NOWHERE
:END now
JMP0 0 NOWHERE
P

add_case set_value 255 "ERROR: Error in instructions. Invalid value specified for SET command Invalid numeric expression in abc Line number (1)" <<'P'
SET N1 = abc
P

add_case self_reference 255 "ERROR: Error in instructions.  Variable expansion does not end (a variable refers to itself). Line number (2)" <<'P'
SET S1 = "x@@S1@@"
INSTALL_JVM @S1@
P

add_case bad_reference 255 "ERROR: Invalid jvm file name specified in LAUNCH. Invalid variable reference (X1). Must use N or S as the variable type, e.g. N2 or S1." <<'P'
LAUNCH @X1@ 0
P

add_case goto_alone 255 "ERROR: Error in instructions. The GOTO command requires a label as its only argument. Line number (1)" <<'P'
GOTO
P

for entry in "${CASES[@]}"; do
  IFS='|' read -r name code line <<<"$entry"
  check_native "$name" "$code" "$line"
done

if have_wine; then
  for entry in "${CASES[@]}"; do
    IFS='|' read -r name code line <<<"$entry"
    check_wine "$name" "$code" "$line"
  done
fi

have_pack() { [ -x "${VD_PACK:-}" ]; }

if have_pack; then
  for entry in "${CASES[@]}"; do
    IFS='|' read -r name code line <<<"$entry"
    check_packed "$name" "$code" "$line" "$VD_LAUNCHER" "$VD_TMP/$name.bin"
  done
fi

if have_pack && have_wine; then
  for entry in "${CASES[@]}"; do
    IFS='|' read -r name code line <<<"$entry"
    check_packed "$name" "$code" "$line" "$VD_WIN64_DIR/src/vdlauncher.exe" "$VD_TMP/$name.exe" wine
  done
fi
