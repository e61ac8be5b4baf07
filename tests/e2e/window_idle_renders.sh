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
# The default decoration's checks share one start of the program: shown,
# minimised, shown again, covered, shown again.
set -euo pipefail
program=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
prepare_home "$data"

session=$(cat <<'SESSION'
export PINEWICK_RENDER_STATS=1
# sample NAME: the latest statistics line, kept as NAME.txt.
sample() { grep '^render stats' "$home/out.log" | tail -n 1 > "$home/$1.txt"; }
# renders_after NAME: the statistics count more renders than in NAME.txt.
renders_after() {
  local before now
  before=$(sed -E 's/render stats: [0-9]+ ms: ([0-9]+) renders.*/\1/' "$home/$1.txt")
  now=$(grep '^render stats' "$home/out.log" | tail -n 1 | sed -E 's/render stats: [0-9]+ ms: ([0-9]+) renders.*/\1/')
  [ "$now" -gt "$before" ]
}
# measure NAME: two samples about two seconds apart, NAME-0 and NAME-1. The
# first waits until a statistics line has certainly been printed after what
# changed the window.
measure() {
  sleep 1.5
  sample "$1-0"
  sleep 2.2
  sample "$1-1"
}
start_program "$program" || exit 1
# Away from the tree, the cases and the buttons.
xdotool mousemove $((X + 5)) $((Y + 5))
measure shown
if [ -f "$home/hide" ]; then
  xdotool windowminimize "$window"
  measure minimised
  # Shown again, the window steps again.
  xdotool windowactivate "$window" > /dev/null 2>&1 || xdotool windowmap "$window"
  wait_until 10 renders_after minimised-1 && sample minimised-after
  # A window larger than the screen, over everything.
  xmessage -geometry 800x600+0+0 covered > /dev/null 2>&1 &
  cover=$!
  wait_until 10 xdotool search --onlyvisible --class xmessage
  measure covered
  kill $cover
  wait_until 10 renders_after covered-1 && sample covered-after
fi
kill $pid
wait $pid 2> /dev/null
SESSION
)

# renders NAME: sets ms and renders, the time and the renders between the
# samples NAME-0 and NAME-1.
renders() {
  [ -s "$home/$1-0.txt" ] && [ -s "$home/$1-1.txt" ] || fail "no render statistics ($1)"
  local ms0 r0 ms1 r1
  numbers() { sed -E 's/render stats: ([0-9]+) ms: ([0-9]+) renders.*/\1 \2/' "$home/$1"; }
  read -r ms0 r0 < <(numbers "$1-0.txt")
  read -r ms1 r1 < <(numbers "$1-1.txt")
  ms=$((ms1 - ms0))
  renders=$((r1 - r0))
  [ "$ms" -ge 1500 ] || fail "the statistics cover only $ms ms ($1)"
}

# Only the big balls (descriptions 0 to 6), which do not move by themselves.
grep -v '^Toy=' "$data/desc.default" > "$home/Data/desc"
grep -E '^Toy=[0-6],' "$data/desc.default" >> "$home/Data/desc"
grep -q '^Toy=' "$home/Data/desc" || fail "the default decoration has no big balls"
x_session <<< "$session"
renders shown
[ "$renders" -eq 0 ] || fail "$renders renders in $ms ms of a still tree"
echo "still tree: $renders renders in $ms ms"

cp "$data/desc.default" "$home/Data/desc"
rm -f "$home"/shown-*.txt
touch "$home/hide"
x_session <<< "$session"
renders shown
# Scaled to two seconds: the samples are about two seconds apart.
in_two_seconds=$((renders * 2000 / ms))
[ "$in_two_seconds" -ge 25 ] || fail "$renders renders in $ms ms: the own animations step too rarely"
[ "$in_two_seconds" -le 70 ] || fail "$renders renders in $ms ms: more than 35 a second"
echo "own animations: $renders renders in $ms ms"

# The window, minimised or covered, renders nothing and steps again once it
# is shown.
for hidden in minimised covered; do
  renders "$hidden"
  [ "$renders" -eq 0 ] || fail "$renders renders in $ms ms of a $hidden window"
  echo "$hidden: $renders renders in $ms ms"
  [ -s "$home/$hidden-after.txt" ] || fail "the $hidden window shown again renders nothing"
  last=$(sed -E 's/render stats: [0-9]+ ms: ([0-9]+) renders.*/\1/' "$home/$hidden-1.txt")
  after=$(sed -E 's/render stats: [0-9]+ ms: ([0-9]+) renders.*/\1/' "$home/$hidden-after.txt")
  echo "shown again: $((after - last)) renders"
done
