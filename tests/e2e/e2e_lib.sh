E2E_LIB=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/e2e_lib.sh

# Shared steps of the end-to-end scripts: a home folder of the test's own, and
# waiting for the program's windows under a virtual X server with openbox.
# Sourced by the scripts; every wait polls with a deadline, so a loaded
# machine only makes a run slower.

# prepare_home DATA: a home with links to the generated data, the default
# decoration as Data/desc, and settings that point the program at it.
# DATA may be relative: the links into it are made absolute.
prepare_home() {
  local data
  data=$(cd "$1" && pwd)
  home=$(mktemp -d /tmp/pinewick-e2e-XXXXXX)
  trap 'rm -rf "$home"' EXIT
  mkdir -p "$home/Data" "$home/config/Corlune"
  for entry in "$data"/*; do
    case "$(basename "$entry")" in desc*) ;; *) ln -s "$entry" "$home/Data/" ;; esac
  done
  cp "$data/desc.default" "$home/Data/desc"
  printf '[General]\nHDPath=%s/\nFirst=0\n' "$home" > "$home/config/Corlune/Pinewick.conf"
}

# xvfb_run SCREEN COMMAND...: runs the command with DISPLAY on a virtual X
# server of its own (SCREEN as Xvfb's -screen 0 takes it). The server picks a
# free display itself (-displayfd), so servers started at the same moment,
# by this run or by anyone else on the machine, never collide.
xvfb_run() {
  local screen=$1 ready xpid display status=0
  shift
  ready=$(mktemp /tmp/pinewick-display-XXXXXX)
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3> "$ready" 2> "$ready.log" &
  xpid=$!
  if ! wait_until 30 test -s "$ready"; then
    echo "no X server: $(cat "$ready.log")"
    kill "$xpid" 2> /dev/null
    rm -f "$ready" "$ready.log"
    return 1
  fi
  display=$(head -n 1 "$ready")
  DISPLAY=":$display" "$@" || status=$?
  kill "$xpid" 2> /dev/null
  wait "$xpid" 2> /dev/null || true
  rm -f "$ready" "$ready.log"
  return "$status"
}

# x_session [SCREEN]: runs the script read from standard input inside a
# virtual X server of its own (SCREEN, default 800x600x24) with $home, $program
# and $data set, QT_QPA_PLATFORM unset and this file sourced. Exported
# variables reach the session.
x_session() {
  local screen=${1:-800x600x24} session="$home/session.sh"
  {
    printf '#!/usr/bin/env bash\nset -u\nunset QT_QPA_PLATFORM\n'
    printf 'export XDG_CONFIG_HOME=%q\n' "$home/config"
    printf 'home=%q program=%q data=%q\n' "$home" "${program:-}" "${data:-}"
    printf 'source %q\n' "$E2E_LIB"
    cat
  } > "$session"
  chmod +x "$session"
  # What the session found is checked by the caller.
  xvfb_run "$screen" "$session" || true
}

# fail MESSAGE: reports a failed check with the program's output and stops.
fail() { echo "FAIL: $*"; cat "$home/out.log" 2> /dev/null || true; exit 1; }

# The functions below run inside the X session.

# wait_until SECONDS COMMAND...: polls the command every 0.1 s.
wait_until() {
  local deadline=$(( $(date +%s) + $1 )); shift
  until "$@" > /dev/null 2>&1; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# visible_window PID WIDTH HEIGHT: prints the id of a mapped window of the
# program with that size (0 for any).
visible_window() {
  local pid=$1 width=$2 height=$3 w WIDTH HEIGHT
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if { [ "$width" = 0 ] || [ "$WIDTH" = "$width" ]; } && { [ "$height" = 0 ] || [ "$HEIGHT" = "$height" ]; }; then
      echo "$w"
      return 0
    fi
  done
  return 1
}

# A visible window of the program other than the one given.
other_window() {
  local pid=$1 main=$2 w
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [ "$w" = "$main" ] || { echo "$w"; return 0; }
  done
  return 1
}

# Starts the program with -DEBUG, answers the debug box (the 3D version code)
# and waits for the 640 x 480 main window; sets pid, window, X and Y.
start_program() {
  local program=$1
  local attempt
  for attempt in 1 2 3; do
    openbox > /dev/null 2>&1 &
    wait_until 30 wm_ready && break
    kill $! 2> /dev/null
  done
  wm_ready || { echo "no window manager"; return 1; }
  "$program" -DEBUG > "$home/out.log" 2>&1 &
  pid=$!
  local box
  wait_until 60 visible_window "$pid" 0 0 || { echo "no window came up"; return 1; }
  box=$(visible_window "$pid" 0 0)
  eval "$(xdotool getwindowgeometry --shell "$box")"
  if [ "$WIDTH" != 640 ] || [ "$HEIGHT" != 480 ]; then
    xdotool windowactivate --sync "$box" key Return
  fi
  wait_until 60 visible_window "$pid" 640 480 || { echo "the main window did not come up"; return 1; }
  window=$(visible_window "$pid" 640 480)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The components come with the first activation; give a loaded machine time to paint them.
  xdotool windowactivate --sync "$window" > /dev/null 2>&1 || true
  sleep 1.5
}

# Clicks Exit and answers Yes to the exit question; waits for the end.
exit_with_yes() {
  xdotool mousemove $((X + 619)) $((Y + 452)) sleep 0.2 click 1
  wait_until 30 other_window "$pid" "$window" || { echo "no exit question"; return 1; }
  local question WIDTH HEIGHT
  question=$(other_window "$pid" "$window")
  eval "$(xdotool getwindowgeometry --shell "$question")"
  local qx=$X qy=$Y
  if [ "$HEIGHT" -gt 300 ]; then
    # The About box: Yes at (164, 278), 94 x 25.
    xdotool mousemove $((qx + 222)) $((qy + 290)) sleep 0.2 click 1
  else
    xdotool windowactivate --sync "$question" key y
  fi
  local i
  for i in $(seq 1 300); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  wait "$pid"
}
