#!/usr/bin/env bash
# Starts Pinewick with -DEBUG on a virtual display with a home of its own,
# drags the first toy of the open case onto the middle of the tree, leaves by
# Exit and Yes, and checks the save: one more toy, the old file as backup.
set -euo pipefail
program=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
prepare_home "$data"

x_session <<'SESSION'
start_program "$program" || exit 1
echo "$X,$Y" > "$home/where.txt"
# Toy0 hangs centred on x = 90 from its slot's top (y = 377), its ball about
# y = 389; the tree's middle is (135 + 185, 32 + 188).
xdotool mousemove $((X + 91)) $((Y + 389)) sleep 0.3 mousemove $((X + 90)) $((Y + 389)) sleep 0.3
xdotool mousedown 1 sleep 0.1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((X + 90 + 230 * step / 8)) $((Y + 389 - 178 * step / 8)) sleep 0.05
done
xdotool mouseup 1 sleep 0.3
exit_with_yes
echo "exit $?" > "$home/exit.txt"
SESSION

[ -f "$home/exit.txt" ] || fail "the session did not finish"
grep -q '^exit 0$' "$home/exit.txt" || fail "the program did not end cleanly: $(cat "$home/exit.txt")"
cmp -s "$home/Data/desc~~~" "$data/desc.default" || fail "the backup is not the previous file"
before=$(grep -c '^Toy=' "$data/desc.default")
after=$(grep -c '^Toy=' "$home/Data/desc")
[ "$after" -eq $((before + 1)) ] || fail "expected $((before + 1)) toys, found $after (window at $(cat "$home/where.txt" 2>/dev/null))"
echo "ok: $before toys, now $after"
