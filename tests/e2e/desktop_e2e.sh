#!/usr/bin/env bash
# The desktop program end to end in a real X server: desktop_e2e.sh ZELMORA OUTPUT_FOLDER.
# Starts the program under Xvfb in a scratch folder, finds its windows and checks their
# captions, presses Run with the default fields, waits for BC.txt with its header and 25 lines,
# presses Close and expects the program to end with exit code 0. Screenshots of what it showed
# are kept in OUTPUT_FOLDER.
set -euo pipefail
zelmora=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"

if [ -z "${ZELMORA_E2E_INSIDE:-}" ]; then
  export ZELMORA_E2E_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$zelmora" "$out"
fi

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

fail() { echo "desktop_e2e: $*" >&2; import -window root "$out/failure.png" 2>/dev/null || true; exit 1; }

# The window whose caption is exactly $1, once it is mapped (waits up to 20 s).
window_named() {
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

click() {  # click WINDOW X Y, in the window's client coordinates
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

QT_QPA_PLATFORM=xcb "$zelmora" >"$out/zelmora.log" 2>&1 &
pid=$!

settings=$(window_named "Settings") || fail "no window captioned \"Settings\""
viewer=$(window_named "Bycatch Viewer") || fail "no window captioned \"Bycatch Viewer\""
[ "$(xdotool getwindowname "$settings")" = "Settings" ] || fail "settings caption changed"
[ "$(xdotool getwindowname "$viewer")" = "Bycatch Viewer" ] || fail "viewer caption changed"
sleep 0.5
import -window root "$out/start.png"

click "$settings" 28 372  # Run
for _ in $(seq 1200); do
  [ -f BC.txt ] && [ "$(grep -c $'\r$' BC.txt)" -eq 26 ] && break
  sleep 0.1
done
[ -f BC.txt ] || fail "Run wrote no BC.txt"
lines=$(grep -c $'\r$' BC.txt)
[ "$lines" -eq 26 ] || fail "BC.txt has $lines lines, not 26"
head -n 1 BC.txt | grep -q '^Risk,Safe,TurnInt,TurnRange,SwimCount,Length,SoakMins,Density,Speed,%caught'$'\r''$' ||
  fail "BC.txt has not the header line"
sed -n 2p BC.txt | grep -q '^4,1,60,0,960,2500,960,7.37515365472063E-5,1,' || fail "first result line"
sleep 0.5
import -window root "$out/finished.png"

click "$settings" 45 516  # Notes
notes_caption="Zelmora                          Notes on bycatch reduction trial simulation"
window_named "$notes_caption" >/dev/null || fail "the notes window did not show"
sleep 0.3
import -window root "$out/notes.png"

xdotool windowraise "$settings"  # the centred notes window covers the Close button
sleep 0.2
click "$settings" 141 516  # Close
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after Close"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"
echo "desktop_e2e: windows, Run, BC.txt and Close as expected; screenshots in $out"
