# Under Wine's null graphics driver: the progress window of the real process entry, driven by
# the scripted worker of uidemo.exe and read by dialogwatch.exe and boxwatch.exe; the exit code
# of the launcher itself; a launcher and its files in a directory with a non-Latin name.
source "$(dirname "$0")/lib.sh"

have_wine || exit 0

support="$VD_WIN64_DIR/tests/support"
release="$VD_TMP/release"
printf 'INSTRUCTIONS:\nBOGUS\n/:\n' > "$VD_TMP/bogus.tag"

# A copy of uidemo.exe whose trailer carries launcher kind KIND.
packed_demo() {  # kind out
  "$VD_PACK" build --stub "$support/uidemo.exe" --out "$2" --kind "$1" \
    --file "0:0:$VD_TMP/bogus.tag:instructions.txt" > /dev/null || fail "vdpack of uidemo"
}
packed_demo 0 "$VD_TMP/demo0.exe"
packed_demo 1 "$VD_TMP/demo1.exe"

# Runs a demo while dialogwatch reports its dialog; the demo waits for dialogwatch's release
# where the steps say "wait" (at their end when they do not). Sets $demo_out, $watch_out, $rc.
watch_demo() {  # demo watch-options -- steps
  local demo=$1 options=() steps=() waited=
  shift
  while [ "$1" != "--" ]; do options+=("$1"); shift; done
  shift
  for step in "$@"; do
    if [ "$step" = wait ]; then steps+=("waitfile=$(winpath "$release")"); waited=1
    else steps+=("$step"); fi
  done
  [ -n "$waited" ] || steps+=("waitfile=$(winpath "$release")")
  rm -f "$release"
  wine_run "$support/dialogwatch.exe" 20 "${options[@]}" --touch "$(winpath "$release")" \
    > "$VD_TMP/watch.txt" &
  local watcher=$!
  run wine_run "$demo" "${steps[@]}" > "$VD_TMP/demo.txt"
  wait $watcher || fail "no progress dialog: $(cat "$VD_TMP/watch.txt")"
  demo_out=$(tr -d '\r' < "$VD_TMP/demo.txt")
  watch_out=$(tr -d '\r' < "$VD_TMP/watch.txt")
}

control_line() {  # id
  grep "^control $1 " <<<"$watch_out" || fail "no control $1 in: $watch_out"
}

# The short layout (any kind but 0): status line and bar, the explanatory text hidden.
watch_demo "$VD_TMP/demo1.exe" --close -- title show status=1 'sub=1:C:\jdk' progress=30 wait cancelled exit=42
expect_eq 42 "$rc" "exit code of the scripted worker"
expect_contains "$watch_out" "caption: Vandrel Wizard" "dialog title"
expect_contains "$(control_line 1000)" \
  "visible=1 at " "status line"
expect_contains "$(control_line 1000)" \
  "text=Searching for Java(tm) Virtual Machine... Searching for C:\\jdk" "status pair"
expect_contains "$(control_line 1001)" "msctls_progress32 visible=1" "progress bar"
expect_contains "$(control_line 1004)" "visible=0" "explanatory text hidden in the short layout"
expect_contains "$watch_out" "rtl: 0" "left-to-right layout"
# A close request asks to cancel but leaves the dialog open.
expect_contains "$watch_out" "after close: exists=1 visible=1" "dialog after a close request"
expect_contains "$demo_out" "cancelled: 1" "cancel request after the close request"
short_height=$(sed -n 's/^size: [0-9]* x \([0-9]*\)$/\1/p' <<<"$watch_out")

# The tall layout of kind 0, with the explanatory text.
watch_demo "$VD_TMP/demo0.exe" -- title show status=0 wait cancelled
expect_eq 0 "$rc" "exit code 0"
expect_contains "$(control_line 1004)" \
  "visible=1 at " "explanatory text shown in the tall layout"
expect_contains "$(control_line 1004)" \
  "text=The Vandrel Wizard is preparing the installation, please wait..." "explanatory text"
expect_contains "$(control_line 1000)" "text=Initializing Vandrel Wizard..." "initializing status"
expect_contains "$demo_out" "cancelled: 0" "no cancel request without a close"
tall_height=$(sed -n 's/^size: [0-9]* x \([0-9]*\)$/\1/p' <<<"$watch_out")
[ "$tall_height" -gt "$short_height" ] || fail "tall dialog $tall_height not taller than $short_height"

# hideAfter: the bar moves by 5 every 100 ms until the dialog hides after 3 seconds.
watch_demo "$VD_TMP/demo1.exe" --bar 8 --until-hidden 10 -- show progress=0 hide=3
bar=$(sed -n 's/^bar: //p' <<<"$watch_out")
for p in $bar; do [ $((p % 5)) -eq 0 ] || fail "bar position $p is not a multiple of 5: $bar"; done
[ "$(tr ' ' '\n' <<<"$bar" | sort -u | wc -l)" -ge 3 ] || fail "the bar did not move: $bar"
expect_contains "$watch_out" "hidden: 1" "dialog hidden by the hide timer"

# A close request to the hidden main window asks to cancel too; the run goes on.
watch_demo "$VD_TMP/demo1.exe" --close-main -- show wait cancelled exit=3
expect_contains "$watch_out" "after main close: exists=1" "dialog after the main window's close request"
expect_contains "$demo_out" "cancelled: 1" "cancel request of the main window"
expect_eq 3 "$rc" "exit code after the main window's close request"

# The end of the session removes the temporary directories while the worker still runs.
watch_demo "$VD_TMP/demo1.exe" --end-session -- tempdir show tempgone wait tempgone
expect_eq "$(printf 'temp dir: there\ntemp dir: gone')" "$demo_out" "cleanup at the end of the session"

# hideAfter(0) hides at once; silent mode shows neither the dialog nor a message.
out=$(wine_run "$VD_TMP/demo1.exe" show visible hide=0 visible | tr -d '\r')
expect_eq "$(printf 'visible: 1\nvisible: 0')" "$out" "hideAfter(0)"
out=$(wine_run "$VD_TMP/demo1.exe" silent show visible message=unseen | tr -d '\r')
expect_eq "visible: 0" "$out" "silent mode"

# A message box is owned by the dialog and captioned with its title.
wine_run "$support/boxwatch.exe" 20 > "$VD_TMP/box.txt" &
watcher=$!
run wine_run "$VD_TMP/demo1.exe" title "message=Canceled by the user."
wait $watcher || fail "no message box"
expect_eq "$(printf 'caption: Vandrel Wizard\nCanceled by the user.')" \
  "$(tr -d '\r' < "$VD_TMP/box.txt")" "message box"

# The folder chooser, titled with its resource; OK takes the preselected folder.
wine_run "$support/boxwatch.exe" 20 > "$VD_TMP/box.txt" &
watcher=$!
out=$(wine_run "$VD_TMP/demo1.exe" title folder | tr -d '\r')
wait $watcher || fail "no folder chooser"
expect_contains "$(cat "$VD_TMP/box.txt")" "Choose the JVM Destination Directory" "folder chooser title"
[[ "$out" == "folder: "?:\\* ]] || fail "folder chooser result: $out"

# Failures of the worker and negative results reach the exit code.
run wine_run "$VD_TMP/demo1.exe" throw
expect_eq 255 "$rc" "an exception out of the worker"
run wine_run "$VD_TMP/demo1.exe" exit=-1
expect_eq 255 "$rc" "exit code -1"
run wine_run "$VD_TMP/demo1.exe" exit=0
expect_eq 0 "$rc" "exit code 0 of the demo"
run wine_run "$VD_WIN64_DIR/src/vdlauncher.exe" -vd:silent -vd:version
expect_eq 0 "$rc" "launcher result 0"
run wine_run "$VD_WIN64_DIR/src/vdlauncher.exe" -vd:silent -vd:log
expect_eq 255 "$rc" "launcher result -1"

# Non-Latin names: the 8-bit code page is UTF-8 (the manifest asks for it), so the launcher's
# own path, its arguments and a log file name survive. The tall dialog shows that the demo read
# its own trailer through that path.
dir="$VD_TMP/Ünïcödé 日本語"
mkdir -p "$dir"
cp "$VD_TMP/demo0.exe" "$dir/демо.exe"
watch_demo "$dir/демо.exe" -- acp show arg=пример "arg=ü 中文"
expect_contains "$demo_out" "acp: 65001" "UTF-8 as the 8-bit code page"
expect_contains "$demo_out" "arg: пример" "Cyrillic argument"
expect_contains "$demo_out" "arg: ü 中文" "argument with a space, Latin-1 and Chinese"
expect_contains "$(control_line 1004)" "visible=1" "own trailer read through a non-Latin path"

"$VD_PACK" build --stub "$VD_WIN64_DIR/src/vdlauncher.exe" --out "$dir/setup.exe" --kind 1 \
  --file "0:0:$VD_TMP/bogus.tag:instructions.txt" > /dev/null || fail "vdpack of the launcher"
run wine_run "$dir/setup.exe" -vd:silent -vd:log "$(winpath "$dir/журнал.log")" пример
expect_eq 255 "$rc" "packed launcher with a bad program"
[ -f "$dir/журнал.log" ] || fail "no log file with a Cyrillic name"
log=$(tr -d '\r' < "$dir/журнал.log")
expect_contains "$log" "file name: instructions.txt" "own archive read through a non-Latin path"
expect_contains "$log" "ERROR: Error in instructions. Invalid command (BOGUS)." "error logged"
