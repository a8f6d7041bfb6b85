# Runs every example of the guide (docs/*.md) so that it never drifts from the code.
#
# A fenced block's info string says what it is:
#   ```<lang> file=NAME       written as NAME (exact contents) into the page's scratch directory
#   ```sh run [exit=N]        run with bash -euo pipefail in that directory; must exit 0 (or N).
#                             Leading "# needs: wine" / "# needs: win64" / "# needs: win32" /
#                             "# needs: vdpack-jre" lines skip the block (and its output) when
#                             that is unavailable (vdpack-jre: a vdpack with the jre command).
#   ```text output            directly after a run block: its standard output, exactly
#                             (trailing newlines ignored; a Windows program's \r is not)
#   ```text output contains   directly after a run block: each non-empty line appears within
#                             some line of its standard output
# Anything else is illustration. One scratch directory per page; blocks run top to bottom.
# A failure is reported as docs/FILE.md:LINE with what was expected and what came.
#
# The blocks see VDPACK, VDLAUNCHER, VDLAUNCHER_WIN64 / VDLAUNCHER_WIN32 (when built), VERIFY_JAR,
# JAVA_HOME, VD_SHARE and PATH with $JAVA_HOME/bin first; under "# needs: wine" also WINEPREFIX
# (a private copy of the test prefix, one per run of this script) and WINEDEBUG=-all.
#
# By hand: VD_BUILD=build/linux bash tests/e2e/docs_examples.sh [docs/PAGE.md...]
source "$(dirname "$0")/lib.sh"

VD_SOURCE_DIR=${VD_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
if [ -n "${VD_BUILD:-}" ]; then
  build=$(cd "$VD_BUILD" && pwd)
  VD_LAUNCHER=${VD_LAUNCHER:-$build/src/vdlauncher}
  VD_PACK=${VD_PACK:-$build/tools/vdpack/vdpack}
  VD_JAVA_DIR=${VD_JAVA_DIR:-$build/java}
fi
[ -n "${VD_LAUNCHER:-}" ] && [ -n "${VD_PACK:-}" ] || fail "set VD_LAUNCHER and VD_PACK (or VD_BUILD)"
VD_JAVA_DIR=${VD_JAVA_DIR:-$(dirname "$VD_LAUNCHER")/../java}
VD_WIN64_DIR=${VD_WIN64_DIR:-}
VD_WIN32_DIR=${VD_WIN32_DIR:-${VD_WIN64_DIR:+${VD_WIN64_DIR%64}32}}
VD_WINEPREFIX=${VD_WINEPREFIX:-$VD_SOURCE_DIR/build/wineprefix}

java_home=${JAVA_HOME:-}
if [ -z "$java_home" ] && command -v java >/dev/null; then
  java_home=$(dirname "$(dirname "$(readlink -f "$(command -v java)")")")
fi

# The environment of every run block; the test runner's own variables stay out of it.
block_env=(-u VD_LAUNCHER -u VD_PACK -u VD_WIN64_DIR -u VD_WIN32_DIR -u VD_WINEPREFIX
           -u VD_JAVA_DIR -u VD_SOURCE_DIR -u VD_BUILD -u VDLAUNCHER_WIN64 -u VDLAUNCHER_WIN32
           "VDPACK=$VD_PACK" "VDLAUNCHER=$VD_LAUNCHER" "VERIFY_JAR=$VD_JAVA_DIR/Verify.jar"
           "VD_SHARE=$VD_SOURCE_DIR/share" "JAVA_HOME=$java_home" "PATH=$java_home/bin:$PATH")
win64_stub=$VD_WIN64_DIR/src/vdlauncher.exe
win32_stub=$VD_WIN32_DIR/src/vdlauncher.exe
[ -n "$VD_WIN64_DIR" ] && [ -f "$win64_stub" ] && block_env+=("VDLAUNCHER_WIN64=$win64_stub")
[ -n "$VD_WIN32_DIR" ] && [ -f "$win32_stub" ] && block_env+=("VDLAUNCHER_WIN32=$win32_stub")

available() {  # need
  case "$1" in
    wine) have_wine && [ -d "$VD_WINEPREFIX" ] ;;
    win64) [ -n "$VD_WIN64_DIR" ] && [ -f "$win64_stub" ] ;;
    win32) [ -n "$VD_WIN32_DIR" ] && [ -f "$win32_stub" ] ;;
    vdpack-jre) "$VD_PACK" jre --help >/dev/null 2>&1 ||
                "$VD_PACK" --help 2>/dev/null | grep -qF "vdpack jre " ;;
    *) return 2 ;;
  esac
}

# The private Wine prefix, copied on first use: examples may write its registry.
wine_ready=0
wine_env() {
  if [ "$wine_ready" = 0 ]; then
    cp -a "$VD_WINEPREFIX" "$VD_TMP/wineprefix"
    trap 'WINEPREFIX="$VD_TMP/wineprefix" wineserver -k 2>/dev/null || true; rm -rf "$VD_TMP"' EXIT
    wine_ready=1
  fi
  block_env+=("WINEPREFIX=$VD_TMP/wineprefix" "WINEDEBUG=-all")
}

failures=0 ran=0 skipped=0
report() {  # line message [detail-file]
  echo "$page_name:$1: $2" >&2
  if [ -n "${3:-}" ] && [ -s "$3" ]; then sed 's/^/    /' "$3" >&2; fi
  failures=$((failures + 1))
}

# --- parsing: a page into blocks ---------------------------------------------------------------
# Block i: kind[i] (file|run|output|other), line[i] (of its opening fence), attr[i], body in
# $blocks/i. For a run: attr is the expected exit code; for output: "exact" or "contains";
# for file: the name.
parse_page() {  # page
  local n=0 lineno=0 fence="" indent=0 text info lang words
  kind=() line=() attr=()
  rm -rf "$blocks" && mkdir -p "$blocks"
  while IFS= read -r text || [ -n "$text" ]; do
    lineno=$((lineno + 1))
    if [ -z "$fence" ]; then
      [[ "$text" =~ ^(\ *)(\`\`\`+|~~~+)(.*)$ ]] || continue
      indent=${#BASH_REMATCH[1]} fence=${BASH_REMATCH[2]} info=${BASH_REMATCH[3]}
      read -r -a words <<<"$info"
      lang=${words[0]:-}
      line[n]=$lineno
      : > "$blocks/$n"
      classify "$lang" "${words[@]:1}"
      continue
    fi
    if [[ "$text" =~ ^\ *(\`\`\`+|~~~+)\ *$ ]] && [ "${BASH_REMATCH[1]:0:1}" = "${fence:0:1}" ] \
       && [ "${#BASH_REMATCH[1]}" -ge "${#fence}" ]; then
      fence="" n=$((n + 1))
      continue
    fi
    local strip=$indent
    while [ "$strip" -gt 0 ] && [ "${text:0:1}" = " " ]; do text=${text:1} strip=$((strip - 1)); done
    printf '%s\n' "$text" >> "$blocks/$n"
  done < "$1"
  [ -z "$fence" ] || report "${line[n]}" "code block is never closed"
  block_count=$n
}

classify() {  # lang words...  → kind[n], attr[n]
  local lang=$1 w
  shift
  kind[n]=other attr[n]=""
  for w in "$@"; do
    if [[ "$w" == file=* ]]; then kind[n]=file attr[n]=${w#file=}; return; fi
  done
  if [ "$lang" = sh ] && [ "${1:-}" = run ]; then
    kind[n]=run attr[n]=0
    shift
    for w in "$@"; do
      if [[ "$w" =~ ^exit=([0-9]+)$ ]]; then attr[n]=${BASH_REMATCH[1]}
      else report "${line[n]}" "unknown run attribute [$w]"; fi
    done
  elif [ "$lang" = text ] && [ "${1:-}" = output ]; then
    kind[n]=output attr[n]=exact
    case "${2:-}" in
      "") ;;
      contains) attr[n]=contains ;;
      *) report "${line[n]}" "unknown output attribute [$2]" ;;
    esac
    [ $# -le 2 ] || report "${line[n]}" "unknown output attributes [${*:3}]"
  fi
}

# --- running ------------------------------------------------------------------------------------
# Prints the needs of a run block (its leading "# needs:" lines).
block_needs() {  # body
  local text
  while IFS= read -r text; do
    [[ "$text" =~ ^#\ *needs:(.*)$ ]] || break
    echo ${BASH_REMATCH[1]//,/ }
  done < "$1"
}

write_file() {  # i
  local name=${attr[$1]}
  if [[ "$name" == /* || "/$name/" == */../* || -z "$name" ]]; then
    report "${line[$1]}" "file name [$name] must stay inside the scratch directory"
    return
  fi
  mkdir -p "$(dirname "$scratch/$name")"
  cp "$blocks/$1" "$scratch/$name"
}

run_block() {  # i → sets $out
  local i=$1 need rc status
  local env_saved=("${block_env[@]}")
  for need in $(block_needs "$blocks/$i"); do
    available "$need" && status=0 || status=$?
    case $status in
      0) ;;
      2) report "${line[$i]}" "unknown need [$need]"; return 1 ;;
      *) skipped=$((skipped + 1)); return 1 ;;
    esac
    [ "$need" != wine ] || wine_env
  done
  out="$VD_TMP/out.$i" err="$VD_TMP/err.$i"
  ran=$((ran + 1))
  set +e
  (cd "$scratch" && env "${block_env[@]}" timeout 300 bash -euo pipefail "$blocks/$i") \
    > "$out" 2> "$err" < /dev/null
  rc=$?
  set -e
  block_env=("${env_saved[@]}")
  if [ "$rc" != "${attr[$i]}" ]; then
    { echo "stdout:"; cat "$out"; echo "stderr:"; cat "$err"; } > "$VD_TMP/detail"
    report "${line[$i]}" "expected exit code ${attr[$i]}, got $rc" "$VD_TMP/detail"
  fi
  return 0
}

check_output() {  # i out
  local i=$1 expected actual missing=""
  expected=$(cat "$blocks/$i")
  actual=$(cat "$2")
  if [ "${attr[$i]}" = exact ]; then
    [ "$expected" == "$actual" ] && return
    diff -u --label expected --label actual <(printf '%s\n' "$expected") \
      <(printf '%s\n' "$actual") > "$VD_TMP/detail" || true
    report "${line[$i]}" "output differs" "$VD_TMP/detail"
    return
  fi
  local text
  while IFS= read -r text; do
    [ -z "$text" ] || grep -qF -- "$text" "$2" || missing+="missing: $text"$'\n'
  done < "$blocks/$i"
  [ -z "$missing" ] && return
  { printf '%s' "$missing"; echo "output:"; cat "$2"; } > "$VD_TMP/detail"
  report "${line[$i]}" "output lacks expected lines" "$VD_TMP/detail"
}

run_page() {  # page
  local i ran_last=none
  page_name=${1#"$VD_SOURCE_DIR"/}
  scratch="$VD_TMP/pages/$(basename "$1" .md)"
  blocks="$VD_TMP/blocks"
  mkdir -p "$scratch"
  parse_page "$1"
  for ((i = 0; i < block_count; i++)); do
    case "${kind[$i]}" in
      file) write_file "$i"; ran_last=none ;;
      run) if run_block "$i"; then ran_last=$out; else ran_last=skipped; fi ;;
      output)
        case "$ran_last" in
          none) report "${line[$i]}" "output block without a run block right before it" ;;
          skipped) ;;
          *) check_output "$i" "$ran_last" ;;
        esac
        ran_last=none ;;
      *) ran_last=none ;;
    esac
  done
}

pages=("$@")
if [ ${#pages[@]} = 0 ]; then
  shopt -s nullglob
  pages=("$VD_SOURCE_DIR"/docs/*.md)
fi
for page in "${pages[@]}"; do
  [ -f "$page" ] || fail "no page $page"
  run_page "$(cd "$(dirname "$page")" && pwd)/$(basename "$page")"
done
echo "docs_examples: ${#pages[@]} pages, $ran blocks run, $skipped skipped, $failures failures"
[ "$failures" = 0 ]
