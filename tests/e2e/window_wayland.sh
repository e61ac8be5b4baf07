#!/usr/bin/env bash
# The whole program under a Wayland compositor (weston, headless, drawing in
# memory): the title runs, the main window opens at 640 x 480 and the tree
# renders in it; SIGTERM saves and ends it. A screenshot of the compositor's
# screen goes to SHOTS/wayland.png.
#   window_wayland.sh PROGRAM DATA SHOTPROBE SHOTS
set -euo pipefail
program=$1
data=$2
probe=$3
shots=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
prepare_home "$data"
mkdir -p "$shots"

runtime="$home/runtime"
mkdir -m 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=pinewick-wayland XDG_CONFIG_HOME="$home/config"
unset DISPLAY
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 --debug \
  --socket="$WAYLAND_DISPLAY" > "$home/weston.log" 2>&1 &
weston_pid=$!
cleanup() { kill "$weston_pid" 2> /dev/null || true; wait "$weston_pid" 2> /dev/null || true; rm -rf "$home"; }
trap cleanup EXIT
wait_until 30 test -S "$runtime/$WAYLAND_DISPLAY" || fail "weston did not start: $(cat "$home/weston.log")"

# shot NAME: the compositor's screen as NAME.png in the home.
shot() {
  rm -f "$home"/wayland-screenshot-*.png
  (cd "$home" && timeout 10 weston-screenshooter > /dev/null 2>&1) || return 1
  mv "$home"/wayland-screenshot-*.png "$home/$1.png"
}
wait_until 20 shot desktop || fail "no screenshot of the empty desktop"
# The shell paints its background and panel after it starts: the desktop is
# the first picture that the next one no longer changes.
for i in $(seq 1 20); do
  sleep 1
  shot settled || continue
  "$probe" changed "$home/desktop.png" "$home/settled.png" > /dev/null || break
  mv "$home/settled.png" "$home/desktop.png"
done

QT_QPA_PLATFORM=wayland SDL_AUDIODRIVER=dummy "$program" > "$home/out.log" 2>&1 &
pid=$!
# The title first (film, fades), then the main window: a 640 x 480 box whose
# tree control (135, 32, 370 x 376) is mostly green. Two shots in a row must agree.
found=0
for i in $(seq 1 90); do
  sleep 1
  kill -0 "$pid" 2> /dev/null || fail "the program ended"
  shot now || continue
  read -r x y w h <<< "$("$probe" changed "$home/desktop.png" "$home/now.png" || echo 0 0 0 0)"
  [ "$w" = 640 ] && [ "$h" = 480 ] || { found=0; continue; }
  green=$("$probe" green "$home/now.png" $((x + 135)) $((y + 32)) 370 376)
  if [ "$green" -gt 5000 ]; then
    found=$((found + 1))
    [ "$found" -ge 2 ] && break
  else
    found=0
  fi
done
cp "$home/now.png" "$shots/wayland.png"
[ "$found" -ge 2 ] || fail "no main window with a tree (last: $w x $h at $x,$y)"
echo "main window at $x,$y: $green green pixels in the tree control"

kill -TERM "$pid"
for i in $(seq 1 300); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
status=0
wait "$pid" || status=$?
[ "$status" = 0 ] || fail "exit status $status"
[ -f "$home/Data/desc~~~" ] || fail "SIGTERM did not save the decoration"
echo "ok: the tree renders under Wayland"
