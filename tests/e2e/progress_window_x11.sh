# The progress window drawn for real: the Windows build under Xvfb with Wine's X11 driver, in a
# prefix of its own. Screenshots of both dialog layouts, a message box and a right-to-left
# dialog are kept under build/screenshots (VD_SCREENSHOT_DIR); dialogwatch checks the controls
# and texts while they are on screen.
source "$(dirname "$0")/lib.sh"

have_wine || exit 0
if ! command -v Xvfb > /dev/null || ! command -v import > /dev/null; then
  echo "SKIP: Xvfb or ImageMagick's import is missing (scripts/setup installs them)"
  exit 0
fi

shots=${VD_SCREENSHOT_DIR:-$(dirname "$VD_WINEPREFIX")/screenshots}
mkdir -p "$shots"
prefix="$(dirname "$VD_WINEPREFIX")/wineprefix-x11"
support="$VD_WIN64_DIR/tests/support"

# A display of our own; Xvfb names the free display it took.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$VD_TMP/display" 2> "$VD_TMP/xvfb.log" &
xvfb=$!
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$VD_TMP"' EXIT
for _ in $(seq 50); do [ -s "$VD_TMP/display" ] && break; sleep 0.1; done
[ -s "$VD_TMP/display" ] || fail "Xvfb did not start: $(cat "$VD_TMP/xvfb.log")"
export DISPLAY=":$(cat "$VD_TMP/display")"

x11_wine() {
  WINEPREFIX="$prefix" WINEDEBUG=-all timeout 60 wine "$@"
}
# env, so that the shell does not try (and warn about) a locale the host may not have.
locale_wine() {  # locale program args...
  local locale=$1
  shift
  env LC_ALL="$locale" WINEPREFIX="$prefix" WINEDEBUG=-all timeout 60 wine "$@"
}

# Wine processes left from an earlier run would still talk to that run's display.
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true

# Without a window manager Wine draws the frames and captions itself when its windows are not
# managed.
if [ ! -f "$prefix/.vd-ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  WINEPREFIX="$prefix" WINEDEBUG=-all timeout 120 wineboot -i > /dev/null 2>&1 || true
  x11_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f > /dev/null 2>&1
  WINEPREFIX="$prefix" wineserver -w || true
  touch "$prefix/.vd-ready"
fi

printf 'INSTRUCTIONS:\nBOGUS\n/:\n' > "$VD_TMP/bogus.tag"
for kind in 0 1; do
  "$VD_PACK" build --stub "$support/uidemo.exe" --out "$VD_TMP/demo$kind.exe" --kind "$kind" \
    --file "0:0:$VD_TMP/bogus.tag:instructions.txt" > /dev/null || fail "vdpack of uidemo"
done

wait_for_line() {  # file pattern what
  for _ in $(seq 200); do grep -q -- "$2" "$1" 2>/dev/null && return 0; sleep 0.1; done
  fail "$3: [$2] did not appear in $(cat "$1" 2>/dev/null)"
}

# Shows the dialog of DEMO with STEPS, takes the screenshot NAME and prints dialogwatch's
# report of it.
shoot_dialog() {  # name demo locale steps...
  local name=$1 demo=$2 locale=$3
  shift 3
  local release="$VD_TMP/release"
  rm -f "$release" "$VD_TMP/watch.txt"
  locale_wine "$locale" "$support/dialogwatch.exe" 30 --sleep 4000 --touch "$(winpath "$release")" \
    > "$VD_TMP/watch.txt" &
  local watcher=$!
  locale_wine "$locale" "$demo" "$@" "waitfile=$(winpath "$release")" > /dev/null &
  local shown=$!
  wait_for_line "$VD_TMP/watch.txt" "^control 1001 " "$name"
  sleep 0.5
  import -window root "$shots/$name.png"
  wait $watcher || fail "$name: no progress dialog"
  wait $shown || true
  tr -d '\r' < "$VD_TMP/watch.txt"
}

report=$(shoot_dialog progress-kind0 "$VD_TMP/demo0.exe" C.UTF-8 \
  title show status=1 'sub=1:C:\Program Files\Java' progress=40)
expect_contains "$report" "caption: Vandrel Wizard" "kind 0: title"
expect_contains "$report" "visible=1 at " "kind 0: controls"
expect_contains "$(grep '^control 1004 ' <<<"$report")" \
  "visible=1 at 66,15 size 335 x 53 text=The Vandrel Wizard is preparing the installation, please wait..." \
  "kind 0: explanatory text"
expect_contains "$(grep '^control 1000 ' <<<"$report")" \
  "text=Searching for Java(tm) Virtual Machine... Searching for C:\\Program Files\\Java" \
  "kind 0: status line"
expect_contains "$(grep '^control 1001 ' <<<"$report")" "msctls_progress32 visible=1" "kind 0: bar"

report=$(shoot_dialog progress-kind1 "$VD_TMP/demo1.exe" C.UTF-8 title show status=3 progress=70)
expect_contains "$(grep '^control 1004 ' <<<"$report")" "visible=0" "kind 1: no explanatory text"
expect_contains "$(grep '^control 1000 ' <<<"$report")" "visible=1 at " "kind 1: status line"
expect_contains "$(grep '^control 1000 ' <<<"$report")" "text=Running Vandrel Wizard..." "kind 1: status"
expect_contains "$(grep '^control 1001 ' <<<"$report")" "msctls_progress32 visible=1" "kind 1: bar"

# Wine's own fonts have no Arabic glyphs: this screenshot shows the mirrored layout, with the
# texts as boxes unless the prefix gets Arabic fonts.
report=$(shoot_dialog progress-arabic "$VD_TMP/demo0.exe" ar_EG.UTF-8 title show status=0 progress=40)
expect_contains "$report" "rtl: 1" "Arabic dialog from right to left"

# A message box over the dialog, held on screen for the screenshot.
x11_wine "$support/dialogwatch.exe" --box 30 3000 > "$VD_TMP/box.txt" &
watcher=$!
x11_wine "$VD_TMP/demo0.exe" title show status=0 \
  "message=The JVM is not valid." > /dev/null &
shown=$!
wait_for_line "$VD_TMP/box.txt" "^caption: " "message box"
sleep 0.5
import -window root "$shots/message-box.png"
wait $watcher || fail "no message box"
wait $shown || true
expect_eq "$(printf 'caption: Vandrel Wizard\nThe JVM is not valid.')" \
  "$(tr -d '\r' < "$VD_TMP/box.txt")" "message box texts"

for name in progress-kind0 progress-kind1 progress-arabic message-box; do
  [ -s "$shots/$name.png" ] || fail "no screenshot $name.png"
done
echo "screenshots in $shots"
