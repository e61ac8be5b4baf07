#!/usr/bin/env bash
# Decorates with the keyboard alone: opens the first case, carries its first
# toy over the tree with the arrow keys and hangs it with Enter, removes it
# with Delete and brings it back with Ctrl+Z, types a greeting into the band,
# then leaves by Exit and Yes. The save has the toy and the greeting.
set -euo pipefail
program=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
prepare_home "$data"

x_session <<'SESSION'
start_program "$program" || exit 1
# The program takes key events in the order they come, whatever their pace.
keys() { xdotool key --clearmodifiers --delay 40 "$@"; sleep 0.1; }
# The focus starts on the first case: open it, then Tab to its first toy.
keys Return
keys Tab Tab Tab Tab Tab Tab Tab
# Pick the toy up; the target starts in the middle of the tree. Up a little, and hang it.
keys Return
keys Up Up Left
keys Return
# Tab on through the other six slots to the tree: Delete takes the nearest toy,
# the one just hung; Ctrl+Z hangs it again.
keys Tab Tab Tab Tab Tab Tab Tab
keys Delete
keys ctrl+z
# The greeting band: Enter starts typing, Enter ends it.
keys Tab Return
xdotool type --delay 30 'Merry Christmas'
keys Return
# On to Exit (send, greeting, music, driver, help, exit) and Enter; Enter again is Yes.
keys Tab Tab Tab Tab Tab Tab Return
wait_until 30 other_window "$pid" "$window" || { echo "no exit question"; exit 1; }
sleep 0.5
keys Return
for i in $(seq 1 300); do
  kill -0 "$pid" 2> /dev/null || break
  sleep 0.1
done
wait "$pid"
echo "exit $?" > "$home/exit.txt"
SESSION

[ -f "$home/exit.txt" ] || fail "the session did not finish"
grep -q '^exit 0$' "$home/exit.txt" || fail "the program did not end cleanly: $(cat "$home/exit.txt")"
before=$(grep -c '^Toy=' "$data/desc.default")
after=$(grep -c '^Toy=' "$home/Data/desc")
[ "$after" -eq $((before + 1)) ] || fail "expected $((before + 1)) toys, found $after"
grep -q '^WelcomeText=.*Merry Christmas' "$home/Data/desc" || fail "the greeting is not saved: $(grep '^WelcomeText=' "$home/Data/desc")"
echo "ok: $before toys, now $after; $(grep '^WelcomeText=' "$home/Data/desc")"
