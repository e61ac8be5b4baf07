#!/usr/bin/env bash
# Starts Pinewick on a virtual display and leaves it alone, counting renders
# through the scene's render statistics (PINEWICK_RENDER_STATS, one line a
# second on standard error):
#  - with only still toys on the tree, nothing is rendered for two seconds;
#  - with the default decoration, whose bells, stars and candles move by
#    themselves, the scene renders 25 to 70 times in two seconds (thirty steps
#    a second on a quiet machine, fewer on a loaded one);
#  - minimised, or covered whole by another window, the same window renders
#    nothing for two seconds, and it steps again once it is shown.
set -euo pipefail
program=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
prepare_home "$data"

session=$(cat <<'SESSION'
export PINEWICK_RENDER_STATS=1
start_program "$program" || exit 1
# Away from the tree, the cases and the buttons.
xdotool mousemove $((X + 5)) $((Y + 5))
if [ -f "$home/minimised" ]; then
  xdotool windowminimize "$window"
fi
if [ -f "$home/covered" ]; then
  # A window larger than the screen, over everything.
  xmessage -geometry 800x600+0+0 covered > /dev/null 2>&1 &
  cover=$!
  wait_until 10 xdotool search --onlyvisible --class xmessage
fi
sleep 1.5
grep '^render stats' "$home/out.log" | tail -n 1 > "$home/stats.txt"
sleep 2.2
grep '^render stats' "$home/out.log" | tail -n 1 >> "$home/stats.txt"
if [ -f "$home/minimised" ] || [ -f "$home/covered" ]; then
  # Shown again, the window steps again.
  if [ -f "$home/covered" ]; then
    kill $cover
  else
    xdotool windowactivate "$window" > /dev/null 2>&1 || xdotool windowmap "$window"
  fi
  sleep 2.2
  grep '^render stats' "$home/out.log" | tail -n 1 > "$home/after.txt"
fi
kill $pid
wait $pid 2> /dev/null
SESSION
)

# Sets ms and renders: the time and the renders between the two samples.
count_renders() {
  rm -f "$home/stats.txt"
  x_session <<< "$session"
  [ -f "$home/stats.txt" ] && [ "$(wc -l < "$home/stats.txt")" -eq 2 ] || fail "no render statistics"
  local ms0 r0 ms1 r1
  numbers() { sed -E 's/render stats: ([0-9]+) ms: ([0-9]+) renders.*/\1 \2/'; }
  read -r ms0 r0 < <(head -n 1 "$home/stats.txt" | numbers)
  read -r ms1 r1 < <(tail -n 1 "$home/stats.txt" | numbers)
  ms=$((ms1 - ms0))
  renders=$((r1 - r0))
  [ "$ms" -ge 1500 ] || fail "the statistics cover only $ms ms"
}

# Only the big balls (descriptions 0 to 6), which do not move by themselves.
grep -v '^Toy=' "$data/desc.default" > "$home/Data/desc"
grep -E '^Toy=[0-6],' "$data/desc.default" >> "$home/Data/desc"
grep -q '^Toy=' "$home/Data/desc" || fail "the default decoration has no big balls"
count_renders
[ "$renders" -eq 0 ] || fail "$renders renders in $ms ms of a still tree"
echo "still tree: $renders renders in $ms ms"

cp "$data/desc.default" "$home/Data/desc"
count_renders
# Scaled to two seconds: the samples are about two seconds apart.
in_two_seconds=$((renders * 2000 / ms))
[ "$in_two_seconds" -ge 25 ] || fail "$renders renders in $ms ms: the own animations step too rarely"
[ "$in_two_seconds" -le 70 ] || fail "$renders renders in $ms ms: more than 35 a second"
echo "own animations: $renders renders in $ms ms"

# hidden WHAT: the window, minimised or covered, renders nothing and steps
# again once it is shown.
hidden() {
  touch "$home/$1"
  count_renders
  rm -f "$home/$1"
  [ "$renders" -eq 0 ] || fail "$renders renders in $ms ms of a $1 window"
  echo "$1: $renders renders in $ms ms"
  [ -f "$home/after.txt" ] || fail "no render statistics after the $1 window was shown again"
  numbers() { sed -E 's/render stats: [0-9]+ ms: ([0-9]+) renders.*/\1/'; }
  local last after
  last=$(tail -n 1 "$home/stats.txt" | numbers)
  after=$(numbers < "$home/after.txt")
  rm -f "$home/after.txt"
  [ "$after" -gt "$last" ] || fail "the $1 window shown again renders nothing"
  echo "shown again: $((after - last)) renders"
}
hidden minimised
hidden covered
