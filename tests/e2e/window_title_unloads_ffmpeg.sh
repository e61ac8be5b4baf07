#!/usr/bin/env bash
# FFmpeg is in the process only while it is used: started as a user starts
# it, Pinewick plays the title film (FFmpeg's decoder mapped), and once the
# decorating window is up neither FFmpeg's decoder library nor the program's
# FFmpeg module is mapped any more.
set -euo pipefail
program=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
prepare_home "$data"

x_session <<'SESSION'
for attempt in 1 2 3; do
  openbox > /dev/null 2>&1 &
  wait_until 30 wm_ready && break
  kill $! 2> /dev/null
done
"$program" > "$home/out.log" 2>&1 &
pid=$!
mapped() { grep -E "$1" /proc/$pid/maps; }
if wait_until 60 mapped 'libavcodec'; then echo "film" > "$home/film.txt"; fi
# The title ends in a 640 x 480 window; the decorating window is another one.
wait_until 60 visible_window "$pid" 640 480 || { echo "no title"; kill $pid; exit 1; }
title=$(visible_window "$pid" 640 480)
main_window() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$pid" 2> /dev/null); do
    [ "$w" != "$title" ] && xdotool getwindowgeometry "$w" | grep -q 'Geometry: 640x480' && return 0
  done
  return 1
}
wait_until 60 main_window && echo "main" > "$home/main.txt"
grep -E 'libavcodec|libavformat|libpw_ffmpeg' /proc/$pid/maps | awk '{ print $6 }' | sort -u > "$home/left.txt"
kill $pid
wait $pid 2> /dev/null
SESSION

[ -f "$home/film.txt" ] || fail "FFmpeg was never loaded: the title film did not play"
[ -f "$home/main.txt" ] || fail "the decorating window did not come up"
[ ! -s "$home/left.txt" ] || fail "still mapped in the decorating window: $(cat "$home/left.txt")"
echo "FFmpeg was loaded for the title film and is gone from the decorating window"
