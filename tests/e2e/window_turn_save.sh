#!/usr/bin/env bash
# Starts Pinewick on a virtual display with a home of its own, holds the left
# button on the right half of the tree for a while, leaves by Exit and Yes and
# checks what was saved: the tree turned, the previous file kept as the
# backup, the toys unchanged.
set -euo pipefail
program=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
prepare_home "$data"

x_session <<'SESSION'
start_program "$program" || exit 1
# The tree's right half: (135 + 280, 32 + 200) in the window.
xdotool mousemove $((X + 415)) $((Y + 232)) sleep 0.2 mousedown 1
sleep 2
xdotool mouseup 1
exit_with_yes
echo "exit $?" > "$home/exit.txt"
SESSION

[ -f "$home/exit.txt" ] || fail "the session did not finish"
grep -q '^exit 0$' "$home/exit.txt" || fail "the program did not end cleanly: $(cat "$home/exit.txt")"
cmp -s "$home/Data/desc~~~" "$data/desc.default" || fail "the backup is not the previous file"
tree_line=$(grep '^Tree=' "$home/Data/desc" | tr -d '\r')
direction=$(echo "$tree_line" | cut -d, -f4)
[ "$direction" != "0:0:1" ] || fail "the tree was not turned: $tree_line"
diff <(grep '^Toy=' "$data/desc.default") <(grep '^Toy=' "$home/Data/desc") > /dev/null || fail "the toys changed"
echo "ok: $tree_line"
