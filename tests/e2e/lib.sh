# Shared by the end-to-end tests. Sourced; the test runner sets:
#   VD_LAUNCHER   the native launcher      VD_PACK        the native vdpack
#   VD_WIN64_DIR  the Windows x86_64 build directory (empty when not built)
#   VD_WINEPREFIX the private Wine prefix  VD_JAVA_DIR    where Verify.jar is built
set -euo pipefail

# A fresh scratch directory per test, removed when the test ends.
VD_TMP=$(mktemp -d "${TMPDIR:-/tmp}/vde2e.XXXXXX")
trap 'rm -rf "$VD_TMP"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

expect_eq() {  # expected actual what
  [ "$1" == "$2" ] || fail "$3: expected [$1], got [$2]"
}

expect_contains() {  # file-or-text needle what
  grep -qF -- "$2" <<<"$1" || fail "$3: [$2] not in [$1]"
}

have_wine() { [ -n "${VD_WIN64_DIR:-}" ] && [ -x "$(command -v wine)" ] && [ -f "$VD_WIN64_DIR/src/vdlauncher.exe" ]; }

# Runs a Windows program under the private, headless prefix; prints its output, keeps its exit code.
wine_run() {
  WINEPREFIX="$VD_WINEPREFIX" WINEDEBUG=-all timeout 60 wine "$@"
}

# The host path of a file as Wine sees it (drive Z: is the host's root).
winpath() { echo "Z:${1//\//\\}"; }

# Runs a command with a time limit, capturing the exit code in $rc without stopping the test.
# Shell functions (such as wine_run, which has its own limit) run directly.
run() {
  set +e
  if declare -F "$1" >/dev/null; then "$@"; else timeout 60 "$@"; fi
  rc=$?
  set -e
}

# Ends the test as skipped without a JDK (java, javac, jar) or Verify.jar; otherwise sets $jdk
# to the JDK's home.
need_jdk() {
  if ! command -v java >/dev/null || ! command -v javac >/dev/null || ! command -v jar >/dev/null \
     || [ ! -f "$VD_JAVA_DIR/Verify.jar" ]; then
    echo "skipped: no JDK or no Verify.jar"
    exit 0
  fi
  jdk=$(dirname "$(dirname "$(readlink -f "$(command -v java)")")")
}
