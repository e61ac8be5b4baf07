#!/usr/bin/env bash
# Starts Pinewick on a virtual display with a home of its own, holds the left
# button on the right half of the tree for a while, closes the window with
# Escape and checks what was saved: the tree turned, the previous file kept as
# the backup, the toys unchanged.
set -euo pipefail
program=$1
data=$2

home=$(mktemp -d /tmp/pinewick-e2e-XXXXXX)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Data" "$home/config/Corlune"
for entry in "$data"/*; do
  case "$(basename "$entry")" in desc*) ;; *) ln -s "$entry" "$home/Data/" ;; esac
done
cp "$data/desc.default" "$home/Data/desc"
printf '[General]\nHDPath=%s/\nFirst=0\n' "$home" > "$home/config/Corlune/Pinewick.conf"

cat > "$home/session.sh" <<SESSION
#!/usr/bin/env bash
set -u
export XDG_CONFIG_HOME="$home/config"
unset QT_QPA_PLATFORM
"$program" > "$home/out.log" 2>&1 &
pid=\$!
for i in \$(seq 1 100); do
  xdotool search --name '^Pinewick\$' > /dev/null 2>&1 && break
  sleep 0.1
done
window=\$(xdotool search --name '^Pinewick\$' | head -n 1)
eval "\$(xdotool getwindowgeometry --shell "\$window")"
# The tree's right half: (135 + 280, 32 + 200) in the window.
xdotool mousemove \$((X + 415)) \$((Y + 232)) mousedown 1
sleep 2
xdotool mouseup 1
sleep 0.3
xdotool key --window "\$window" Escape
wait \$pid
echo "exit \$?" > "$home/exit.txt"
SESSION
chmod +x "$home/session.sh"
xvfb-run -a -s '-screen 0 800x600x24' "$home/session.sh"

fail() { echo "FAIL: $*"; cat "$home/out.log" || true; exit 1; }
grep -q '^exit 0$' "$home/exit.txt" || fail "the program did not end cleanly: $(cat "$home/exit.txt")"
cmp -s "$home/Data/desc~~~" "$data/desc.default" || fail "the backup is not the previous file"
tree_line=$(grep '^Tree=' "$home/Data/desc" | tr -d '\r')
direction=$(echo "$tree_line" | cut -d, -f4)
[ "$direction" != "0:0:1" ] || fail "the tree was not turned: $tree_line"
diff <(grep '^Toy=' "$data/desc.default") <(grep '^Toy=' "$home/Data/desc") > /dev/null || fail "the toys changed"
echo "ok: $tree_line"
