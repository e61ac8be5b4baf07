#!/usr/bin/env bash
# A first run of Pinewick without the debug switch on a virtual X server with
# a window manager: Yes to the launcher question, the logo film on the black
# screen, the fades in the 640 x 480 title window, then the main window, which
# is left with Exit and Yes. Screenshots of the film, the fades and the main
# window go to SHOTS (default: a temporary folder) and are checked for what
# they must show.
#   title_sequence.sh PROGRAM DATA XPROBE [SHOTS]
set -euo pipefail
program=$1
data=$2
probe=$3
# Its xvfb_run gives each session an X server on a display of its own.
source "$(cd "$(dirname "$0")/../e2e" && pwd)/e2e_lib.sh"

home=$(mktemp -d /tmp/pinewick-title-XXXXXX)
trap 'rm -rf "$home"' EXIT
shots=${4:-$home/shots}
mkdir -p "$home/Data" "$home/config/Corlune" "$shots"
for entry in "$data"/*; do
  case "$(basename "$entry")" in desc*) ;; *) ln -s "$entry" "$home/Data/" ;; esac
done
cp "$data/desc.default" "$home/Data/desc"
# A first run: the flag is set.
printf '[General]\nHDPath=%s/\nFirst=1\n' "$home" > "$home/config/Corlune/Pinewick.conf"

cat > "$home/session.sh" <<SESSION
#!/usr/bin/env bash
set -u
export HOME="$home" XDG_CONFIG_HOME="$home/config" SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
wait_until() {
  local deadline=\$(( \$(date +%s) + \$1 )); shift
  until "\$@" > /dev/null 2>&1; do
    [ "\$(date +%s)" -lt "\$deadline" ] || return 1
    sleep 0.1
  done
}
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
# A mapped window of the program of that size (0: any), other than SKIP.
window_of() {
  local width=\$1 height=\$2 skip=\${3:-none} w WIDTH HEIGHT
  for w in \$(xdotool search --onlyvisible --pid "\$pid" 2>/dev/null); do
    [ "\$w" != "\$skip" ] || continue
    eval "\$(xdotool getwindowgeometry --shell "\$w")"
    if { [ "\$width" = 0 ] || [ "\$WIDTH" = "\$width" ]; } && { [ "\$height" = 0 ] || [ "\$HEIGHT" = "\$height" ]; }; then
      echo "\$w"; return 0
    fi
  done
  return 1
}
step() { echo "\$*" >> "$home/steps.txt"; }

openbox > /dev/null 2>&1 &
wait_until 20 wm_ready || { step "no window manager"; exit 1; }
"$program" > "$home/out.log" 2>&1 &
pid=\$!

wait_until 60 window_of 0 0 || { step "no launcher question"; exit 1; }
question=\$(window_of 0 0)
"$probe" grab "$shots/1-question.png"
xdotool windowactivate --sync "\$question" key Return
step "answered"

wait_until 30 window_of 800 600 || { step "no film window"; exit 1; }
sleep 1.6
"$probe" grab "$shots/2-film.png"
step "film"

wait_until 30 window_of 640 480 || { step "no title window"; exit 1; }
title=\$(window_of 640 480)
sleep 2.5
"$probe" grab "$shots/3-fades.png"
step "fades"

wait_until 30 window_of 640 480 "\$title" || { step "no main window"; exit 1; }
window=\$(window_of 640 480 "\$title")
xdotool windowactivate --sync "\$window" > /dev/null 2>&1 || true
sleep 1.5
"$probe" grab "$shots/4-main.png"
step "main window"

# Exit and Yes.
eval "\$(xdotool getwindowgeometry --shell "\$window")"
xdotool mousemove \$((X + 619)) \$((Y + 452)) sleep 0.2 click 1
wait_until 30 window_of 0 0 "\$window" || { step "no exit question"; exit 1; }
ask=\$(window_of 0 0 "\$window")
eval "\$(xdotool getwindowgeometry --shell "\$ask")"
if [ "\$HEIGHT" -gt 300 ]; then
  xdotool mousemove \$((X + 222)) \$((Y + 290)) sleep 0.2 click 1
else
  xdotool windowactivate --sync "\$ask" key y
fi
for i in \$(seq 1 300); do kill -0 "\$pid" 2> /dev/null || break; sleep 0.1; done
if kill -0 "\$pid" 2> /dev/null; then
  step "still running 30 s after Yes"
  "$probe" grab "$shots/5-stuck.png"
  kill -9 "\$pid"
fi
wait "\$pid"
echo "exit \$?" > "$home/exit.txt"
SESSION
chmod +x "$home/session.sh"
xvfb_run 800x600x24 "$home/session.sh" || true

fail() { echo "FAIL: $*"; cat "$home/steps.txt" "$home/out.log" 2> /dev/null || true; exit 1; }
[ -f "$home/exit.txt" ] || fail "the session did not finish"
grep -q '^exit 0$' "$home/exit.txt" || fail "the program did not end cleanly: $(cat "$home/exit.txt")"
[ -x "$home/Desktop/Pinewick.desktop" ] || fail "no launcher on the desktop"
grep -q "^Exec=.*$(basename "$program")" "$home/Desktop/Pinewick.desktop" || fail "the launcher does not start the program"
grep -Eq '^First=(0|false)$' "$home/config/Corlune/Pinewick.conf" || fail "the first-run flag was not cleared"

pixel() { "$probe" pixel "$@"; }
# The film: centred on black (the film is 320 x 240, the screen 800 x 600).
[ "$(pixel "$shots/2-film.png" 5 5)" = 000000 ] || fail "the film's window is not black"
[ "$(pixel "$shots/2-film.png" 795 595)" = 000000 ] || fail "the film's window is not black"
film_pixels=0
for point in "400 300" "400 280" "330 240" "470 360"; do
  [ "$(pixel "$shots/2-film.png" $point)" = 000000 ] || film_pixels=$((film_pixels + 1))
done
[ "$film_pixels" -gt 0 ] || fail "no film in the middle of the screen"
# The fades and the main window are different pictures at the same place.
[ "$(pixel "$shots/3-fades.png" 400 300)" != "$(pixel "$shots/4-main.png" 400 300)" ] ||
  [ "$(pixel "$shots/3-fades.png" 100 100)" != "$(pixel "$shots/4-main.png" 100 100)" ] ||
  fail "the fades look like the main window"
echo "ok: $(tr '\n' ' ' < "$home/steps.txt")"
