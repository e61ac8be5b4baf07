#!/usr/bin/env bash
# The whole program left alone: Pinewick shows the default decoration on a
# virtual display and nobody touches it. Prints the process's CPU time over
# ten seconds as a share of one core, and the renders and read-back pixels per
# second (which machine noise does not change).
#
#   bash bench/idle/idle_window.sh build/pinewick build/Data [SECONDS]
set -euo pipefail
program=$1
data=$2
seconds=${3:-10}
e2e=$(cd "$(dirname "$0")/../../tests/e2e" && pwd)
source "$e2e/e2e_lib.sh"
prepare_home "$data"

export PINEWICK_IDLE_SECONDS=$seconds
x_session <<'SESSION'
export PINEWICK_RENDER_STATS=1
start_program "$program" || exit 1
xdotool mousemove $((X + 5)) $((Y + 5))
sleep 3
ticks() { awk '{ print $14 + $15 }' /proc/$pid/stat; }
start_ticks=$(ticks)
grep '^render stats' "$home/out.log" | tail -n 1 > "$home/stats.txt"
sleep "$PINEWICK_IDLE_SECONDS"
end_ticks=$(ticks)
grep '^render stats' "$home/out.log" | tail -n 1 >> "$home/stats.txt"
echo "$start_ticks $end_ticks $(getconf CLK_TCK)" > "$home/cpu.txt"
kill $pid
wait $pid 2> /dev/null
SESSION

read -r t0 t1 hz < "$home/cpu.txt"
# "render stats: T ms: R renders, W whole, P pixels read"
numbers() { sed -E 's/render stats: ([0-9]+) ms: ([0-9]+) renders, ([0-9]+) whole, ([0-9]+) pixels read/\1 \2 \3 \4/'; }
read -r ms0 r0 w0 p0 < <(head -n 1 "$home/stats.txt" | numbers)
read -r ms1 r1 w1 p1 < <(tail -n 1 "$home/stats.txt" | numbers)
awk -v t0="$t0" -v t1="$t1" -v hz="$hz" -v s="$seconds" -v ms="$((ms1 - ms0))" -v r="$((r1 - r0))" \
    -v w="$((w1 - w0))" -v p="$((p1 - p0))" 'BEGIN {
  printf "idle: %.1f %% of one core over %d s; %.1f renders/s (%.2f whole), %.0f pixels read/s\n",
         100 * (t1 - t0) / hz / s, s, r * 1000 / ms, w * 1000 / ms, p * 1000 / ms }'
