#!/bin/bash
# Under Wine: platform hints read from the real registry, the drive list, and application
# arguments handed through the launch script to a child whose C runtime splits them.
source "$(dirname "$0")/lib.sh"

have_wine || exit 0

support="$VD_WIN64_DIR/tests/support"
probe="$support/hint_probe.exe"
log="$VD_TMP/probe.log"
key="Software\\VdLaunchScriptTest$$"

reg() { WINEPREFIX="$VD_WINEPREFIX" WINEDEBUG=-all timeout 60 wine reg "$@" >/dev/null; }
trap 'reg delete "HKCU\\$key" /f || true; rm -rf "$VD_TMP"' EXIT

reg add "HKCU\\$key\\Jre" /v JavaHome /d 'C:\jre' /f
reg add "HKCU\\$key\\Home" /ve /d 'C:\home' /f
reg add "HKCU\\$key\\Empty" /v JavaHome /d '' /f

probe() { wine_run "$probe" "$(winpath "$log")" "$@" | tr -d '\r'; }

expect_eq 'C:\jre' "$(probe hint "\\HKEY_CURRENT_USER\\$key\\Jre\\JavaHome")" "named value"
expect_eq 'C:\jre' "$(probe hint "HKEY_CURRENT_USER\\$key\\Jre\\JavaHome")" "hint without leading backslash"
expect_eq 'C:\home' "$(probe hint "\\HKEY_CURRENT_USER\\$key\\Home")" "default value of the last key"

rm -f "$log"
expect_eq '' "$(probe hint "\\HKEY_CURRENT_USER\\$key\\Empty\\JavaHome")" "empty value"
[ ! -f "$log" ] || ! grep -q WARNING "$log" || fail "an empty value was reported: $(cat "$log")"

expect_eq '' "$(probe hint "\\HKEY_CURRENT_USER\\$key\\Missing\\JavaHome")" "missing key"
warning=$(tr -d '\r' <"$log" | grep '^WARNING: Invalid platform hint: ' || true)
[ -n "$warning" ] || fail "no warning for a missing key: $(cat "$log")"
[ "$warning" != "WARNING: Invalid platform hint: " ] || fail "the warning lacks the system's text"

expect_eq 'error: Invalid hive (hkey_current_user) specified in platform hint (\hkey_current_user\X\Y).' \
  "$(probe hint '\hkey_current_user\X\Y')" "hive names are case-sensitive"

drives=$(probe drives)
expect_contains "$drives" "C:" "drive list"
expect_contains "$drives" "Z:" "drive list"

echo_exe=$(winpath "$support/argv_echo.exe")
expect_eq "$(printf '%s\n' '[say "hi"][C:\My Dir\][a\\b][][x y]' 'exit 5')" \
  "$(probe launch "$echo_exe" 'say "hi"' 'C:\My Dir\' 'a\\b' '' 'x y')" \
  "application arguments reach the child unchanged"
