#!/usr/bin/env bash
# The window on a high-density screen: at QT_SCALE_FACTOR=2 it is 1280 x 960
# device pixels and the tree is rendered at that resolution, so its edges are
# as sharp as at scale 1 (measured along the rows of the tree control, in
# device pixels), the window's art is drawn for that density (the button
# panels and the cases' labels as sharp as at scale 1), and a toy dragged onto
# the tree still hangs there.
# Screenshots at both scales go to SHOTS.
#   window_hidpi.sh PROGRAM DATA SHOTPROBE XPROBE SHOTS
set -euo pipefail
program=$1
data=$2
probe=$3
xprobe=$4
shots=$5
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
prepare_home "$data"
mkdir -p "$shots"
export shots xprobe probe

x_session 1600x1200x24 <<'SESSION'
for attempt in 1 2 3; do
  openbox > /dev/null 2>&1 &
  wait_until 30 wm_ready && break
done
# tree_shown SCALE: a screenshot whose tree control (in the window at $X, $Y)
# is mostly green.
tree_shown() {
  "$xprobe" grab "$shots/window-scale$1.png" &&
    [ "$("$probe" green "$shots/window-scale$1.png" $((X + 135 * $1)) $((Y + 80 * $1)) $((370 * $1)) $((300 * $1)))" \
      -gt $((2000 * $1 * $1)) ]
}
# run_at SCALE: the main window at that scale, a screenshot, a toy hung, then SIGTERM.
run_at() {
  local scale=$1 width=$((640 * $1)) height=$((480 * $1)) box w
  # Each run from the default decoration: the toy goes where no toy hangs yet.
  cp "$data/desc.default" "$home/Data/desc"
  QT_SCALE_FACTOR=$scale "$program" -DEBUG > "$home/out-$scale.log" 2>&1 &
  pid=$!
  wait_until 60 visible_window "$pid" 0 0 || { echo "scale $scale: no window"; return 1; }
  box=$(visible_window "$pid" 0 0)
  eval "$(xdotool getwindowgeometry --shell "$box")"
  if [ "$WIDTH" != "$width" ]; then
    xdotool windowactivate --sync "$box" key Return
  fi
  wait_until 60 visible_window "$pid" "$width" "$height" || { echo "scale $scale: no $width x $height window"; return 1; }
  w=$(visible_window "$pid" "$width" "$height")
  eval "$(xdotool getwindowgeometry --shell "$w")"
  xdotool windowactivate --sync "$w" > /dev/null 2>&1 || true
  echo "$X $Y" > "$home/where-$scale.txt"
  # The screenshot as soon as the tree is in the window.
  wait_until 60 tree_shown "$scale" || echo "scale $scale: no tree in the window"
  # The first toy of the open case onto the middle of the tree, in logical
  # pixels times the scale.
  xdotool mousemove $((X + 91 * scale)) $((Y + 389 * scale)) sleep 0.3 mousemove $((X + 90 * scale)) $((Y + 389 * scale)) sleep 0.3
  xdotool mousedown 1 sleep 0.1
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((X + (90 + 230 * step / 8) * scale)) $((Y + (389 - 178 * step / 8) * scale)) sleep 0.05
  done
  xdotool mouseup 1 sleep 1
  kill -TERM "$pid"
  for i in $(seq 1 300); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
  wait "$pid"
  echo "exit $?" > "$home/exit-$scale.txt"
  grep -c '^Toy=' "$home/Data/desc" > "$home/toys-$scale.txt"
}
run_at 1
run_at 2
SESSION

for scale in 1 2; do
  [ -f "$home/exit-$scale.txt" ] || fail "scale $scale: the session did not finish"
  grep -q '^exit 0$' "$home/exit-$scale.txt" || fail "scale $scale: $(cat "$home/exit-$scale.txt")"
done
before=$(grep -c '^Toy=' "$data/desc.default")
[ "$(cat "$home/toys-1.txt")" -eq $((before + 1)) ] || fail "scale 1: the dragged toy did not hang"
[ "$(cat "$home/toys-2.txt")" -eq $((before + 1)) ] || fail "scale 2: the dragged toy did not hang"

# The tree control: (135, 32), 370 x 376 window pixels; its middle rows hold the tree's sides.
measure() {
  local scale=$1 x y
  read -r x y < "$home/where-$scale.txt"
  "$probe" "$2" "$shots/window-scale$scale.png" $((x + 135 * scale)) $((y + 80 * scale)) $((370 * scale)) $((300 * scale))
}
read -r edge1 count1 <<< "$(measure 1 edges)"
read -r edge2 count2 <<< "$(measure 2 edges)"
green1=$(measure 1 green)
green2=$(measure 2 green)
echo "scale 1: edges $edge1 px wide ($count1), $green1 green pixels"
echo "scale 2: edges $edge2 px wide ($count2), $green2 green pixels"
# The tree covers four times the device pixels...
awk -v a="$green1" -v b="$green2" 'BEGIN { exit !(a > 2000 && b > 3 * a && b < 5 * a) }' ||
  fail "the tree at scale 2 does not cover four times the pixels"
# ...with edges as narrow as at scale 1 (an enlarged picture would double them).
awk -v a="$edge1" -v b="$edge2" 'BEGIN { exit !(b <= a * 1.3) }' || fail "the edges at scale 2 are blurred"

# The art: the right button panel and the cases along the bottom (window
# pixels: 530-616 x 186-337, 57-587 x 427-479), and crops of them and of the
# ribbon to look at.
art() {
  local scale=$1 x y
  read -r x y < "$home/where-$scale.txt"
  "$probe" "$2" "$shots/window-scale$scale.png" $((x + $3 * scale)) $((y + $4 * scale)) $(($5 * scale)) $(($6 * scale)) ${7:-}
}
for scale in 1 2; do
  art "$scale" crop 530 186 86 151 "$shots/buttons-scale$scale.png"
  art "$scale" crop 57 427 230 52 "$shots/cases-scale$scale.png"
  art "$scale" crop 120 0 400 40 "$shots/ribbon-scale$scale.png"
done
read -r panel1 _ <<< "$(art 1 edges 530 186 86 151)"
read -r panel2 _ <<< "$(art 2 edges 530 186 86 151)"
read -r cases1 _ <<< "$(art 1 edges 57 427 530 52)"
read -r cases2 _ <<< "$(art 2 edges 57 427 530 52)"
echo "art edges: buttons $panel1 px at scale 1, $panel2 px at scale 2; cases $cases1 px, $cases2 px"
awk -v a="$panel1" -v b="$panel2" -v c="$cases1" -v d="$cases2" 'BEGIN { exit !(b <= a * 1.3 && d <= c * 1.3) }' ||
  fail "the window's art at scale 2 is an enlarged picture"
echo "ok: sharp at scale 2"
