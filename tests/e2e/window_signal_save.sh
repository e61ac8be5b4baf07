#!/usr/bin/env bash
# Logging out must not lose the decoration: Pinewick hangs a toy and takes a
# typed greeting, then gets SIGTERM (what a session manager sends); it ends
# cleanly with both saved and the old file kept as the backup. A second start
# in between leaves the one window.
set -euo pipefail
program=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
prepare_home "$data"

cat > "$home/session.sh" <<SESSION
#!/usr/bin/env bash
set -u
export XDG_CONFIG_HOME="$home/config"
unset QT_QPA_PLATFORM
home="$home"
source "$here/e2e_lib.sh"
start_program "$program" || exit 1
# The first toy of the open case onto the middle of the tree.
xdotool mousemove \$((X + 91)) \$((Y + 389)) sleep 0.3 mousemove \$((X + 90)) \$((Y + 389)) sleep 0.3
xdotool mousedown 1 sleep 0.1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove \$((X + 90 + 230 * step / 8)) \$((Y + 389 - 178 * step / 8)) sleep 0.05
done
xdotool mouseup 1 sleep 0.3
# A click on the greeting band, then typing.
xdotool mousemove \$((X + 320)) \$((Y + 16)) sleep 0.2 click 1 sleep 0.3
xdotool type --delay 40 "Zq logout"
sleep 0.5
# A second start on the same decoration brings this window forward and ends.
"$program" > "$home/second.log" 2>&1 &
second=\$!
for i in \$(seq 1 300); do kill -0 "\$second" 2> /dev/null || break; sleep 0.1; done
if kill -0 "\$second" 2> /dev/null; then
  echo "second still running" > "$home/second.txt"
  kill "\$second"
else
  wait "\$second"
  echo "second exit \$?" > "$home/second.txt"
fi
xdotool search --onlyvisible --pid "\$pid" 2> /dev/null | wc -l > "$home/windows.txt"
kill -TERM "\$pid"
for i in \$(seq 1 300); do kill -0 "\$pid" 2> /dev/null || break; sleep 0.1; done
wait "\$pid"
echo "exit \$?" > "$home/exit.txt"
SESSION
chmod +x "$home/session.sh"
xvfb_run 800x600x24 "$home/session.sh" || true

fail() { echo "FAIL: $*"; cat "$home/out.log" || true; exit 1; }
[ -f "$home/exit.txt" ] || fail "the session did not finish"
grep -q '^exit 0$' "$home/exit.txt" || fail "the program did not end cleanly: $(cat "$home/exit.txt")"
cmp -s "$home/Data/desc~~~" "$data/desc.default" || fail "the backup is not the previous file"
before=$(grep -c '^Toy=' "$data/desc.default")
after=$(grep -c '^Toy=' "$home/Data/desc")
[ "$after" -eq $((before + 1)) ] || fail "expected $((before + 1)) toys, found $after"
grep -q 'Zq logout' "$home/Data/desc" || fail "the typed greeting was not saved"
grep -q '^second exit 0$' "$home/second.txt" || fail "the second start: $(cat "$home/second.txt")"
[ "$(cat "$home/windows.txt")" = 1 ] || fail "$(cat "$home/windows.txt") windows while a second start ran"
echo "ok: $before toys, now $after, greeting saved; a second start left one window"
