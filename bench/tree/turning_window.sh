#!/usr/bin/env bash
# The tree turned in the window as a user turns it: `pinewick -DEBUG` on a
# virtual 1024 × 768 display with a window manager, a decoration of TOYS
# ornaments (the default one with more toys spread over the tree, as the tree
# benchmark hangs them), the left button held on the tree's right half for
# SECONDS. From the program's render counts (PINEWICK_RENDER_STATS, once a
# second) it prints, for the whole seconds of turning: frames a second, the
# median time of a frame beside its goal (33 ms for 1,000 toys, 100 ms for
# 5,000) as a share of it, the longest time from one frame to the next (the
# longest a click waited; goal 100 ms) and the samples per pixel the frames
# ended with. PINEWICK_TURN_LOGS=FOLDER keeps the program's output there.
#
#   bash bench/tree/turning_window.sh build/pinewick build/Data [TOYS...]   (default: 30 1000 5000)
set -euo pipefail
program=$(realpath "$1")
data=$(realpath "$2")
shift 2
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(30 1000 5000)
writer=$(dirname "$program")/bench/write_decoration
e2e=$(cd "$(dirname "$0")/../../tests/e2e" && pwd)
source "$e2e/e2e_lib.sh"
prepare_home "$data"
export PINEWICK_TURN_SECONDS=${PINEWICK_TURN_SECONDS:-8}

for toys in "${counts[@]}"; do
  "$writer" "$toys" "$home/Data/desc"
  rm -f "$home/turn.log"
  x_session 1024x768x24 <<'SESSION' > /dev/null 2>&1
export PINEWICK_RENDER_STATS=1
start_program "$program" || exit 1
sleep 2
xdotool mousemove $((X + 415)) $((Y + 232)) sleep 0.3 mousedown 1
sleep "$PINEWICK_TURN_SECONDS"
xdotool mouseup 1
sleep 2.5
kill $pid
wait $pid 2> /dev/null
cp "$home/out.log" "$home/turn.log"
SESSION
  if [ -n "${PINEWICK_TURN_LOGS:-}" ]; then cp "$home/turn.log" "$PINEWICK_TURN_LOGS/turn-$toys.log"; fi
  if [ ! -f "$home/turn.log" ]; then
    echo "$toys toys: the program did not come up"
    continue
  fi
  goal=33
  [ "$toys" -lt 5000 ] || goal=100
  # Each "turning stats" line follows the "render stats" line of its second.
  # A whole second of turning lies between two others that turned too.
  # (A program that does not say when it turns: the seconds with whole renders.)
  awk -v toys="$toys" -v goal="$goal" '
    /^render stats/ { k++; ms[k] = $3; renders[k] = $5; whole[k] = $7; turning[k] = 0 }
    /^turning stats/ { told = 1 }
    /^turning stats/ {
      turning[k] = ($9 + 0 > 0); samples = $5
      if ($9 + 0 > worst) worst = $9 + 0
    }
    END {
      if (!told) for (i = 2; i <= k; i++) turning[i] = whole[i] - whole[i - 1] >= 2
      for (i = 2; i < k; i++)
        if (turning[i - 1] && turning[i] && turning[i + 1] && renders[i] > renders[i - 1])
          v[++n] = (ms[i] - ms[i - 1]) / (renders[i] - renders[i - 1])
      if (n == 0) { printf "%d toys: no whole second of turning\n", toys; exit }
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
      median = v[int((n + 1) / 2)]
      printf "%d toys turning in the window: %.1f frames/s, median frame %.1f ms (%.2f of the goal of %d ms)",
             toys, 1000 / median, median, median / goal, goal
      if (told) printf ", longest frame %.0f ms (%.2f of the goal of 100 ms), %d samples at the end", worst, worst / 100, samples
      printf "\n"
    }' "$home/turn.log"
done
