#!/usr/bin/env bash
# The start-up refusals, end to end on a virtual X server: an 8-bit screen is
# refused with the screen-mode text naming 8; a system whose 3D stack has no
# EGL driver, and one that offers only OpenGL 3.1, are refused with the OpenGL text. Each box's text is copied with
# The box must come up (a window of the program titled Pinewick) and is closed
# with Return; its text is read where the program also writes it, on standard
# error (the toolkit cannot paint on an 8-bit screen). Both runs end with
# status 0 and write nothing but the first-run flag.
#   startup_refusals.sh PROGRAM DATA
set -euo pipefail
program=$1
data=$2
# Its xvfb_run gives each session an X server on a display of its own.
source "$(cd "$(dirname "$0")/../e2e" && pwd)/e2e_lib.sh"

work=$(mktemp -d /tmp/pinewick-refusals-XXXXXX)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; cat "$work"/*/out.log 2> /dev/null || true; exit 1; }

# run NAME SCREEN [VARIABLE=VALUE...]: one run on a fresh home; the box's title
# goes to NAME/box.txt, the program's standard error to NAME/out.log, the exit
# status to NAME/exit.txt.
run() {
  local name=$1 screen=$2; shift 2
  local home=$work/$name
  mkdir -p "$home/Data" "$home/config/Corlune"
  for entry in "$data"/*; do
    case "$(basename "$entry")" in desc*) ;; *) ln -s "$entry" "$home/Data/" ;; esac
  done
  cp "$data/desc.default" "$home/Data/desc"
  # No settings file yet: a first run.
  cat > "$home/session.sh" <<SESSION
#!/usr/bin/env bash
set -u
export HOME="$home" XDG_CONFIG_HOME="$home/config" SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
env $* "$program" > "$home/out.log" 2>&1 &
pid=\$!
box=
for i in \$(seq 1 300); do
  box=\$(xdotool search --onlyvisible --pid \$pid 2> /dev/null | head -n 1)
  [ -n "\$box" ] && break
  sleep 0.1
done
if [ -n "\$box" ]; then
  xdotool getwindowname "\$box" > "$home/box.txt"
  xdotool windowfocus --sync "\$box" > /dev/null 2>&1
  sleep 0.3
  xdotool key Return
fi
for i in \$(seq 1 300); do kill -0 \$pid 2> /dev/null || break; sleep 0.1; done
kill \$pid 2> /dev/null
wait \$pid
echo "exit \$?" > "$home/exit.txt"
SESSION
  chmod +x "$home/session.sh"
  xvfb_run "$screen" "$home/session.sh" || true
  [ -f "$home/exit.txt" ] || fail "$name: the session did not finish"
  grep -q '^exit 0$' "$home/exit.txt" || fail "$name: $(cat "$home/exit.txt")"
  # Only the first-run flag was written; the decoration is untouched.
  [[ "$(grep -v '^\[General\]$' "$home/config/Corlune/Pinewick.conf" | grep -v '^$')" =~ ^First=(1|true)$ ]] ||
    fail "$name: settings written: $(cat "$home/config/Corlune/Pinewick.conf")"
  cmp -s "$home/Data/desc" "$data/desc.default" || fail "$name: the description file changed"
  [ ! -e "$home/Data/desc~~~" ] || fail "$name: a backup was made"
}

# expect NAME TEXT...: the box came up and the program said each text.
expect() {
  local name=$1; shift
  grep -qx "Pinewick" "$work/$name/box.txt" 2> /dev/null || fail "$name: no box titled Pinewick"
  local text
  for text in "$@"; do
    grep -qF -- "$text" "$work/$name/out.log" || fail "$name: not said: $text"
  done
}

run depth 640x480x8
expect depth "pinewick: Sorry, but this program needs next screen modes:" "  * HiColor   (16-bit)" \
  "  * TrueColor (24-bit)" "You have a 8-bit mode" "Program stopped"

run opengl 800x600x24 __EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent
expect opengl "pinewick: Sorry, but this program needs OpenGL 3.3 or more" "You haven't OpenGL" \
  'OpenGL 3.3 is located on "https://www.mesa3d.org"' "Program stopped"
# A 3.0-3.2 stack can't give the renderer its 3.3 core context: refused, naming the version.
run opengl31 800x600x24 MESA_GL_VERSION_OVERRIDE=3.1
expect opengl31 "pinewick: Sorry, but this program needs OpenGL 3.3 or more" "You have a OpenGL 3.1" \
  "Program stopped"
echo "ok: all three refused"
