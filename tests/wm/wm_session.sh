# Shared by the window-manager tests: a private X server (Xvfb) with openbox,
# the real program started on it with fresh working directories, and helpers
# that read window geometry the way a user sees it (frame included).
# Everything started here is ended by the EXIT trap, also on failure.
# Source it, then call wm_start_session.

set -u

WM_DEADLINE=${WM_DEADLINE:-20}  # seconds any one condition may take
WM_SCREEN_W=1280
WM_SCREEN_H=1024
wm_pids=()
wm_tmp=""
wm_seen=""  # what the last condition saw, for the failure message

wm_cleanup() {
  local pid
  # Newest first: the program, then openbox, then the server.
  for ((i = ${#wm_pids[@]} - 1; i >= 0; i--)); do
    pid=${wm_pids[i]}
    kill "$pid" 2>/dev/null
  done
  for pid in "${wm_pids[@]}"; do
    wait "$pid" 2>/dev/null
  done
  [ -n "$wm_tmp" ] && rm -rf "$wm_tmp"
}
trap wm_cleanup EXIT
trap 'exit 130' INT TERM HUP

wm_fail() {
  echo "FAIL: $*" >&2
  [ -n "${WM_DEBUG:-}" ] && cat "$wm_tmp/kelvane.log" >&2
  if [ -n "${WM_SHOT_ON_FAIL:-}" ] && [ -n "${DISPLAY:-}" ]; then
    import -window root "$WM_SHOT_ON_FAIL" 2>/dev/null && echo "screenshot: $WM_SHOT_ON_FAIL" >&2
  fi
  exit 1
}

# wm_wait_for DESCRIPTION COMMAND...: polls COMMAND until it succeeds, failing
# the test when WM_DEADLINE seconds pass first.
wm_wait_for() {
  local what=$1
  shift
  local end=$((SECONDS + WM_DEADLINE))
  until "$@"; do
    [ "$SECONDS" -ge "$end" ] && wm_fail "timed out waiting for $what${wm_seen:+ (last seen: $wm_seen)}"
    sleep 0.05
  done
}

wm_have_tools() {
  local tool
  for tool in Xvfb openbox xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; return 1; }
  done
}

wm_server_up() { [ -s "$wm_tmp/display" ]; }
wm_manager_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Starts Xvfb on a free display and openbox on it; exports DISPLAY and a home,
# temp and runtime directory of the test's own.
wm_start_session() {
  wm_have_tools || exit 77
  wm_tmp=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-wm.XXXXXX")
  mkdir -p "$wm_tmp/home" "$wm_tmp/temp" "$wm_tmp/run"
  chmod 700 "$wm_tmp/run"
  Xvfb -displayfd 3 -screen 0 "${WM_SCREEN_W}x${WM_SCREEN_H}x24" -nolisten tcp \
    3>"$wm_tmp/display" >"$wm_tmp/xvfb.log" 2>&1 &
  wm_pids+=($!)
  wm_wait_for "the X server" wm_server_up
  export DISPLAY=":$(head -n1 "$wm_tmp/display")"
  export HOME="$wm_tmp/home" TEMP="$wm_tmp/temp" TMPDIR="$wm_tmp/temp"
  export XDG_RUNTIME_DIR="$wm_tmp/run" XDG_CONFIG_HOME="$wm_tmp/home/.config"
  export QT_QPA_PLATFORM=xcb
  unset SESSION_MANAGER
  # openbox has been seen, rarely, never to take the screen: a second one is
  # started in its place before the test gives up, with the first one's log.
  local attempt
  for attempt in 1 2; do
    openbox >"$wm_tmp/openbox.log" 2>&1 &
    wm_pids+=($!)
    WM_DEADLINE=$((WM_DEADLINE / 2)) wm_wait_up wm_manager_up && return 0
    echo "openbox did not take the screen (attempt $attempt); its log:" >&2
    cat "$wm_tmp/openbox.log" >&2
    kill "${wm_pids[-1]}" 2>/dev/null
    wait "${wm_pids[-1]}" 2>/dev/null
    unset 'wm_pids[-1]'
  done
  wm_fail "openbox did not take the screen"
}

# wm_wait_up COMMAND...: like wm_wait_for, but returns 1 at the deadline.
wm_wait_up() {
  local end=$((SECONDS + WM_DEADLINE))
  until "$@"; do
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.05
  done
}

# wm_start_program [ARGS...]: starts the program under test ($KELVANE).
wm_start_program() {
  "$KELVANE" "$@" >"$wm_tmp/kelvane.log" 2>&1 &
  wm_pids+=($!)
  wm_program_pid=$!
}

wm_program_alive() { kill -0 "$wm_program_pid" 2>/dev/null; }

# wm_window_id NAME: the id of the one visible window whose title is NAME.
wm_window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
wm_window_shown() { [ -n "$(wm_window_id "$1")" ]; }

# wm_outer_rect ID: "left top width height" of the window with its frame, from
# the client geometry and the frame extents openbox publishes.
wm_outer_rect() {
  local id=$1 x y w h l r t b
  eval "$(xwininfo -id "$id" | awk '
    /Absolute upper-left X/ {print "x=" $NF}
    /Absolute upper-left Y/ {print "y=" $NF}
    /^  Width:/ {print "w=" $NF}
    /^  Height:/ {print "h=" $NF}')"
  read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')
  [ -n "${l:-}" ] || return 1
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# wm_framed ID: openbox has framed the window (it publishes the extents).
wm_framed() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '= '; }

# wm_rect_is ID "L T W H": the outer rectangle is exactly that.
wm_rect_is() {
  wm_seen=$(wm_outer_rect "$1")
  [ "$wm_seen" = "$2" ]
}

# wm_stacking: the managed windows bottom to top, as openbox stacks them.
wm_stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# *//p' | tr -d ',' ; }

# wm_above A B: window A is stacked above window B.
wm_above() {
  local a=$(printf '0x%x' "$1") b=$(printf '0x%x' "$2") ia=-1 ib=-1 i=0 id
  for id in $(wm_stacking); do
    [ "$((id))" = "$((a))" ] && ia=$i
    [ "$((id))" = "$((b))" ] && ib=$i
    i=$((i + 1))
  done
  [ "$ia" -ge 0 ] && [ "$ib" -ge 0 ] && [ "$ia" -gt "$ib" ]
}

# wm_expect DESCRIPTION ACTUAL EXPECTED
wm_expect() { [ "$2" = "$3" ] || wm_fail "$1: got '$2', want '$3'"; }
