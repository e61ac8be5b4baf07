#!/usr/bin/env bash
# The whole program left alone, as a user starts it: `pinewick -DEBUG` on a
# virtual 1024 × 768 display with a window manager, the version box answered,
# the default decoration, nobody touching it. Three runs of SECONDS each:
#   music off        the toys' own animations only
#   music on         the same with the songs playing on SDL's dummy driver
#   minimised        music off, the window minimised
#   covered          music off, another window over all of it
# Each prints the process's CPU time as a share of one core, the renders and
# read-back pixels per second (which machine noise does not change), the CPU
# time per render, the peak memory (VmHWM) of the process and its memory at
# the end of the run: USS (the pages only this process maps: what it owns),
# PSS (shared pages split between the processes that map them) and RSS, each
# goal's figure also as a share of the goal (1 or less meets it): idle under
# 5 % of a core (music on: 7 %; hidden: 0.5 % and no renders), under 1.7 ms of
# CPU per render, peak memory under 150 MB, USS under 64 MB. USS counts the
# pages of libraries and fonts that no other process maps at the moment (a
# libLLVM that another program also uses is shared, else it is this one's), so
# it moves with what else runs; the written pages (heap, the libraries' own
# data) are this process's whatever runs beside it and are given with it.
#
# PINEWICK_IDLE_SMAPS=FOLDER keeps each run's /proc/PID/smaps there (NAME.smaps)
# for bench/idle/smaps_by_mapping.sh, which tells where the megabytes go.
#
# The window is measured from 3 s after it came up; PINEWICK_IDLE_WARMUP sets
# another wait (a looping animation draws each picture once, then copies it).
#
#   bash bench/idle/idle_window.sh build/pinewick build/Data [SECONDS]
set -euo pipefail
program=$(realpath "$1")
data=$(realpath "$2")
seconds=${3:-10}
e2e=$(cd "$(dirname "$0")/../../tests/e2e" && pwd)
source "$e2e/e2e_lib.sh"
prepare_home "$data"
export PINEWICK_IDLE_SECONDS=$seconds PINEWICK_IDLE_WARMUP=${PINEWICK_IDLE_WARMUP:-3}

# measure NAME MUSIC(0|1) AUDIODRIVER HIDE(none|minimise|cover) GOAL(% of a core)
measure() {
  local name=$1
  export PINEWICK_IDLE_DRIVER=$3 PINEWICK_IDLE_HIDE=$4
  sed -E "s/^Music=[0-9]+/Music=$2/" "$data/desc.default" > "$home/Data/desc"
  rm -f "$home/stats.txt" "$home/cpu.txt" "$home/peak.txt" "$home/memory.txt" "$home/smaps"
  x_session 1024x768x24 <<'SESSION' > /dev/null 2>&1
export PINEWICK_RENDER_STATS=1
if [ -n "$PINEWICK_IDLE_DRIVER" ]; then export SDL_AUDIODRIVER=$PINEWICK_IDLE_DRIVER; else unset SDL_AUDIODRIVER; fi
start_program "$program" || exit 1
xdotool mousemove $((X + 5)) $((Y + 5))
if [ "$PINEWICK_IDLE_HIDE" = minimise ]; then xdotool windowminimize "$window"; fi
if [ "$PINEWICK_IDLE_HIDE" = cover ]; then xmessage -geometry 1024x768+0+0 covered > /dev/null 2>&1 & fi
sleep "$PINEWICK_IDLE_WARMUP"
ticks() { awk '{ print $14 + $15 }' /proc/$pid/stat; }
start_ticks=$(ticks)
grep '^render stats' "$home/out.log" | tail -n 1 > "$home/stats.txt"
sleep "$PINEWICK_IDLE_SECONDS"
end_ticks=$(ticks)
grep '^render stats' "$home/out.log" | tail -n 1 >> "$home/stats.txt"
echo "$start_ticks $end_ticks $(getconf CLK_TCK)" > "$home/cpu.txt"
awk '/^VmHWM/ { print $2 }' /proc/$pid/status > "$home/peak.txt"
# USS, PSS, RSS and the written (anonymous) pages in kB.
awk '/^Private_(Clean|Dirty):/ { uss += $2 } /^Anonymous:/ { dirty = $2 } /^Pss:/ { pss = $2 }
     /^Rss:/ { rss = $2 } END { print uss, pss, rss, dirty }' /proc/$pid/smaps_rollup > "$home/memory.txt"
cat /proc/$pid/smaps > "$home/smaps"
kill $pid
wait $pid 2> /dev/null
SESSION
  if [ ! -f "$home/cpu.txt" ] || [ "$(wc -l < "$home/stats.txt")" -ne 2 ]; then
    echo "$name: the program did not come up"
    return
  fi
  local t0 t1 hz ms0 r0 w0 p0 m0 ms1 r1 w1 p1 m1 peak uss pss rss dirty
  read -r t0 t1 hz < "$home/cpu.txt"
  peak=$(cat "$home/peak.txt")
  read -r uss pss rss dirty < "$home/memory.txt"
  if [ -n "${PINEWICK_IDLE_SMAPS:-}" ]; then
    mkdir -p "$PINEWICK_IDLE_SMAPS"
    cp "$home/smaps" "$PINEWICK_IDLE_SMAPS/${name// /-}.smaps"
  fi
  # "render stats: T ms: R renders, W whole, P pixels read, M remembered"
  numbers() { sed -E 's/render stats: ([0-9]+) ms: ([0-9]+) renders, ([0-9]+) whole, ([0-9]+) pixels read, ([0-9]+) remembered/\1 \2 \3 \4 \5/'; }
  read -r ms0 r0 w0 p0 m0 < <(head -n 1 "$home/stats.txt" | numbers)
  read -r ms1 r1 w1 p1 m1 < <(tail -n 1 "$home/stats.txt" | numbers)
  awk -v name="$name" -v t0="$t0" -v t1="$t1" -v hz="$hz" -v s="$seconds" -v ms="$((ms1 - ms0))" \
      -v r="$((r1 - r0))" -v w="$((w1 - w0))" -v p="$((p1 - p0))" -v m="$((m1 - m0))" -v peak="$peak" -v goal="$5" \
      -v uss="$uss" -v pss="$pss" -v rss="$rss" -v dirty="$dirty" 'BEGIN {
    cpu = 1000 * (t1 - t0) / hz
    percent = cpu / s / 10
    printf "%-10s %.1f %% of one core over %d s (%.2f of the goal); %.1f renders/s (%.2f whole, %.1f remembered), %.0f pixels read/s",
           name, percent, s, percent / goal, r * 1000 / ms, w * 1000 / ms, m * 1000 / ms, p * 1000 / ms
    if (r > 0) printf "; %.2f ms CPU per render (%.2f of the goal)", cpu / r, cpu / r / 1.7
    printf "; peak memory %.0f MB (%.2f of the goal)", peak / 1024, peak / 1024 / 150
    printf "; USS %.1f MB (%.2f of the goal; %.1f MB of it written), PSS %.1f MB, RSS %.1f MB\n",
           uss / 1024, uss / 1024 / 64, dirty / 1024, pss / 1024, rss / 1024 }'
}

measure "music off" 0 "" none 5
measure "music on" 1 dummy none 7
measure "minimised" 0 "" minimise 0.5
measure "covered" 0 "" cover 0.5
