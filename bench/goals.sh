#!/usr/bin/env bash
# Every frame-cost goal's figure beside its goal, in one run (a few minutes;
# run it on a quiet machine: the figures are times):
#   - the cost curve of a turning tree, 30 to 5,000 toys, drawn as a still
#     tree is (every sample and triangle) and as the window draws a turning
#     one: wall median and CPU of a frame, samples, triangles, own share
#     (bench_tree);
#   - 1,000 and 5,000 toys turning in the window as a user turns them, and
#     the longest a click waited (tree/turning_window.sh);
#   - the idle window: CPU, renders, own memory (USS) with PSS and RSS
#     (idle/idle_window.sh);
#   - start-up to the title's first frame and to a main window that takes
#     input (startup/startup.sh);
#   - the songs' synthesis against the fluidsynth command (bench_media);
#   - the level of detail's difference in mid-turn (render_pictures).
#
#   bash bench/goals.sh [BUILD]     (BUILD: the build folder, build by default)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-build}")
program=$build/pinewick
data=$build/Data
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy LANGUAGE=en
work=$(mktemp -d /tmp/pinewick-goals-XXXXXX)
trap 'rm -rf "$work"' EXIT

echo "== machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "== a turning tree, frame by frame (bench_tree; goals: 1,000 toys 33 ms, 5,000 toys 100 ms, own share 5 %)"
"$build/bench/bench_tree" --benchmark_filter='Curve' --benchmark_format=json > "$work/tree.json" 2> /dev/null
python3 - "$work/tree.json" <<'PY'
import json, sys
rows = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    toys, turning = (int(part.split(":")[1]) for part in b["name"].split("/")[1:3])
    rows.setdefault(toys, {})[turning] = b
print(f"{'toys':>6} | {'as still: wall ms':>17} {'CPU ms':>7} {'samples':>7} | {'turning: wall ms':>16} {'CPU ms':>7} {'samples':>7} {'triangles':>9} {'own share':>9} | goal")
for toys in sorted(rows):
    before, after = rows[toys].get(0, {}), rows[toys].get(1, {})
    goal = {1000: 33, 5000: 100}.get(toys)
    share = f"{after.get('wall_median_ms', 0) / goal:.2f} of {goal} ms" if goal else ""
    print(f"{toys:>6} | {before.get('wall_median_ms', 0):17.1f} {before.get('cpu_ms', 0):7.1f} {before.get('samples', 0):7.0f} | "
          f"{after.get('wall_median_ms', 0):16.1f} {after.get('cpu_ms', 0):7.1f} {after.get('samples', 0):7.0f} "
          f"{after.get('triangles', 0):9.0f} {100 * after.get('own_share', 0):8.1f}% | {share}")
PY
echo
echo "== turning in the window (goals: 1,000 toys 33 ms, 5,000 toys 100 ms, a click answered within 100 ms)"
bash "$here/tree/turning_window.sh" "$program" "$data" 30 1000 5000
echo
echo "== the idle window (goals: 5 % of a core, USS 64 MB)"
bash "$here/idle/idle_window.sh" "$program" "$data" 10
echo
echo "== start-up (goal: 1 s each)"
bash "$here/startup/startup.sh" "$program" "$data" 5
echo
echo "== the songs' synthesis against the fluidsynth command (goal: 1.1 times)"
"$build/bench/bench_media" --benchmark_filter='BM_Synthesis/' --benchmark_format=json > "$work/media.json" 2> /dev/null
python3 - "$work/media.json" <<'PY'
import json, sys
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    ours, theirs = b["pinewick_cpu_per_audio_s"], b["fluidsynth_cpu_per_audio_s"]
    print(f"Pinewick {ours:.4f} s of CPU per second of music, fluidsynth -F {theirs:.4f}: "
          f"{b['ratio']:.2f} times ({b['ratio_of_goal']:.2f} of the goal)")
PY
echo
echo "== pictures in mid-turn with coarser meshes (goal: under 0.5 % of the tree by more than 8 levels)"
QT_QPA_PLATFORM=offscreen "$build/bench/render_pictures" "$work" 2> /dev/null | grep turning-detail
